<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="AlertPanelTitle">
        <source>Lumenscribe</source>
        <translation>Lumenscribe</translation>
    </message>
    <message id="AlertPanelOkButton">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="AlertPanelFolderCreateError">
        <source>The new download folder could not be created. No file was renamed.</source>
        <translation>Der neue Download-Ordner konnte nicht angelegt werden. Keine Datei wurde umbenannt.</translation>
    </message>
    <message id="AlertPanelFolderReadError">
        <source>%1 could not be read; what is in it was left as it is.</source>
        <translation>%1 konnte nicht gelesen werden; sein Inhalt bleibt unverändert.</translation>
    </message>
    <message id="AlertPanelFileDeleteError">
        <source>The file %1 could not be deleted. It was left as it is.</source>
        <translation>Die Datei %1 konnte nicht gelöscht werden. Sie bleibt unverändert.</translation>
    </message>
    <message id="AlertPanelTrashNotOwn">
        <source>the trash folder on that disk is not yours alone</source>
        <translation>der Papierkorb auf diesem Datenträger gehört nicht Ihnen allein</translation>
    </message>
    <message id="AlertPanelFileMove">
        <source>The file %1 could not be moved to %2. It was left as it is.</source>
        <translation>Die Datei %1 konnte nicht nach %2 verschoben werden. Sie bleibt unverändert.</translation>
    </message>
    <message id="AlertPanelFileCreatorCodeError">
        <source>The creator code of %1 could not be set.</source>
        <translation>Der Creator-Code von %1 konnte nicht gesetzt werden.</translation>
    </message>
    <message id="AlertPanelFileCreationDateError">
        <source>The creation date of %1 could not be set.</source>
        <translation>Das Erstellungsdatum von %1 konnte nicht gesetzt werden.</translation>
    </message>
    <message id="AlertPanelJournalError">
        <source>The run&apos;s journal could not be written (%1). The run stops, so that every step it took can still be undone.</source>
        <translation>Das Protokoll des Durchgangs konnte nicht geschrieben werden (%1). Der Durchgang wird angehalten, damit sich jeder bisherige Schritt rückgängig machen lässt.</translation>
    </message>
    <message id="NormalInfoRenamingDone">
        <source>Renaming done.</source>
        <translation>Umbenennen abgeschlossen.</translation>
    </message>
    <message id="NormalInfoRenamingAborted">
        <source>Renaming aborted.</source>
        <translation>Umbenennen abgebrochen.</translation>
    </message>
    <message id="ConfirmFileNameError">
        <source>The new name is empty.</source>
        <translation>Der neue Name ist leer.</translation>
    </message>
    <message id="ConfirmFileNameTooLong">
        <source>The new name is longer than 31 characters.</source>
        <translation>Der neue Name ist länger als 31 Zeichen.</translation>
    </message>
    <message id="ConfirmFileAlreadyExists">
        <source>A file of this name already exists.</source>
        <translation>Eine Datei mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message id="ConfirmFileNameNotAcceptable">
        <source>The new name is not acceptable: it may not contain &quot;/&quot;, and may not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Der neue Name ist nicht zulässig: Er darf kein „/“ enthalten und nicht „.“ oder „..“ sein.</translation>
    </message>
    <message id="ConfirmFileNameOk">
        <source>The new name is fine.</source>
        <translation>Der neue Name ist in Ordnung.</translation>
    </message>
    <message id="ConfirmFolderNameError">
        <source>The folder name is empty.</source>
        <translation>Der Ordnername ist leer.</translation>
    </message>
    <message id="ConfirmFolderNameTooLong">
        <source>The folder name is longer than 31 characters.</source>
        <translation>Der Ordnername ist länger als 31 Zeichen.</translation>
    </message>
    <message id="ConfirmFolderAlreadyExists">
        <source>A folder of this name already exists.</source>
        <translation>Ein Ordner mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message id="ConfirmFolderNameNotAcceptable">
        <source>The folder name is not acceptable: it may not contain &quot;/&quot;, and may not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Der Ordnername ist nicht zulässig: Er darf kein „/“ enthalten und nicht „.“ oder „..“ sein.</translation>
    </message>
    <message id="ConfirmFolderNameOk">
        <source>The folder name is fine.</source>
        <translation>Der Ordnername ist in Ordnung.</translation>
    </message>
    <message id="CorrectionNone">
        <source>no correction</source>
        <translation>keine Korrektur</translation>
    </message>
    <message id="CorrectionSeconds">
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message id="AlertPanelOpenApplicationError">
        <source>The renamed files could not be opened with %1: %2.</source>
        <translation>Die umbenannten Dateien konnten nicht mit %1 geöffnet werden: %2.</translation>
    </message>
    <message id="ConfirmFileNameTooLongForFileSystem">
        <source>The new name is too long for the file system.</source>
        <translation>Der neue Name ist zu lang für das Dateisystem.</translation>
    </message>
    <message id="ConfirmFolderNameTooLongForFileSystem">
        <source>The folder name is too long for the file system.</source>
        <translation>Der Ordnername ist zu lang für das Dateisystem.</translation>
    </message>
    <message id="OpenFilesNone">
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message id="NamingStylesCustom">
        <source>Custom style: every change takes effect at once.</source>
        <translation>Eigener Stil: Jede Änderung gilt sofort.</translation>
    </message>
    <message id="NamingStylesBuiltIn">
        <source>Built-in style: it cannot be changed. Make a new style from it to change a copy.</source>
        <translation>Mitgelieferter Stil: Er kann nicht geändert werden. Legen Sie daraus einen neuen Stil an, um eine Kopie zu ändern.</translation>
    </message>
    <message id="SettingsApplyFromNextRun">
        <source>Settings changed now apply from the next run.</source>
        <translation>Jetzt geänderte Einstellungen gelten ab dem nächsten Durchgang.</translation>
    </message>
    <message id="CliConfigDescription">
        <source>Lists every setting with its value.
lumenscribe config set KEY VALUE sets one (VALUE a number, true/false or text; deleteFilesPatterns takes patterns separated by commas; fileCreatorID four characters such as 8BIM, or a number).</source>
        <translation>Listet jede Einstellung mit ihrem Wert auf.
lumenscribe config set KEY VALUE setzt eine (VALUE eine Zahl, true/false oder Text; deleteFilesPatterns nimmt durch Kommas getrennte Muster; fileCreatorID vier Zeichen wie 8BIM oder eine Zahl).</translation>
    </message>
    <message id="CliOptionConfig">
        <source>Use this settings file.</source>
        <translation>Diese Einstellungsdatei verwenden.</translation>
    </message>
    <message id="CliConfigUsage">
        <source>use &apos;lumenscribe config&apos; or &apos;lumenscribe config set KEY VALUE&apos;</source>
        <translation>Aufruf: „lumenscribe config“ oder „lumenscribe config set KEY VALUE“</translation>
    </message>
    <message id="CliConfigUnknownSetting">
        <source>unknown setting &apos;%1&apos; (see lumenscribe config)</source>
        <translation>unbekannte Einstellung „%1“ (siehe lumenscribe config)</translation>
    </message>
    <message id="CliConfigNotACreatorCode">
        <source>%1 takes four characters or a number from 0 to 4294967295, not &apos;%2&apos;</source>
        <translation>%1 nimmt vier Zeichen oder eine Zahl von 0 bis 4294967295, nicht „%2“</translation>
    </message>
    <message id="CliConfigNotANumber">
        <source>%1 takes a number or true/false, not &apos;%2&apos;</source>
        <translation>%1 nimmt eine Zahl oder true/false, nicht „%2“</translation>
    </message>
    <message id="CliConfigNotAccepted">
        <source>%1 does not accept &apos;%2&apos;</source>
        <translation>%1 nimmt „%2“ nicht an</translation>
    </message>
    <message id="CliSettingsNotSaved">
        <source>the settings could not be saved: %1</source>
        <translation>die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message id="CliHelpConfig">
        <source>List the settings, or set one.</source>
        <translation>Die Einstellungen auflisten oder eine setzen.</translation>
    </message>
    <message id="CliCannotRead">
        <source>cannot read &apos;%1&apos;</source>
        <translation>„%1“ kann nicht gelesen werden</translation>
    </message>
    <message id="CliDateDescription">
        <source>Prints each file&apos;s capture date as the rename run finds it: from the &quot;thm&quot; or &quot;THM&quot; companion, the file itself, or else the file&apos;s creation date. Folders are walked as a run walks them.</source>
        <translation>Gibt das Aufnahmedatum jeder Datei so aus, wie ein Umbenennen-Durchgang es findet: aus der Begleitdatei „thm“ oder „THM“, aus der Datei selbst oder sonst aus ihrem Erstellungsdatum. Ordner werden durchlaufen wie bei einem Durchgang.</translation>
    </message>
    <message id="CliDateOptionJson">
        <source>One JSON object per file.</source>
        <translation>Ein JSON-Objekt je Datei.</translation>
    </message>
    <message id="CliDateArgumentPath">
        <source>Files or folders to read.</source>
        <translation>Zu lesende Dateien oder Ordner.</translation>
    </message>
    <message id="CliDateNoFile">
        <source>no file given (see lumenscribe date --help)</source>
        <translation>keine Datei angegeben (siehe lumenscribe date --help)</translation>
    </message>
    <message id="CliCannotReadBecause">
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message id="CliHelpDate">
        <source>Show the capture date of files.</source>
        <translation>Das Aufnahmedatum von Dateien anzeigen.</translation>
    </message>
    <message id="CliFileIsFolder">
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message id="CliFileIsFifo">
        <source>it is a FIFO, not a regular file</source>
        <translation>es ist ein FIFO, keine gewöhnliche Datei</translation>
    </message>
    <message id="CliFileIsCharacterDevice">
        <source>it is a character device, not a regular file</source>
        <translation>es ist ein zeichenorientiertes Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message id="CliFileIsBlockDevice">
        <source>it is a block device, not a regular file</source>
        <translation>es ist ein blockorientiertes Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message id="CliFileIsSocket">
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine gewöhnliche Datei</translation>
    </message>
    <message id="CliFileNotRegular">
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message id="CliHelpIntro">
        <source>Usage: lumenscribe [OPTIONS] PATH...
       lumenscribe COMMAND [OPTIONS]

Gives photos and movies names made from the moment they were taken.
With paths, renames them with the stored settings (see lumenscribe rename --help).

Commands:
</source>
        <translation>Aufruf: lumenscribe [OPTIONS] PATH...
        lumenscribe COMMAND [OPTIONS]

Benennt Fotos und Filme nach dem Zeitpunkt ihrer Aufnahme.
Mit Pfaden werden diese mit den gespeicherten Einstellungen umbenannt (siehe lumenscribe rename --help).

Befehle:
</translation>
    </message>
    <message id="CliHelpOptions">
        <source>
Options:
  -h, --help     Show this help.
  -v, --version  Show the version.

Run &apos;lumenscribe COMMAND --help&apos; for the options of one command.
</source>
        <translation>
Optionen:
  -h, --help     Diese Hilfe anzeigen.
  -v, --version  Die Version anzeigen.

„lumenscribe COMMAND --help“ zeigt die Optionen eines Befehls.
</translation>
    </message>
    <message id="CliNameDescription">
        <source>Prints the name a naming style makes for a date, on one line.</source>
        <translation>Gibt den Namen, den ein Benennungsstil für ein Datum bildet, in einer Zeile aus.</translation>
    </message>
    <message id="CliNameUnexpectedArgument">
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message id="CliNameExampleAndPopup">
        <source>--example and --popup cannot be used together</source>
        <translation>--example und --popup können nicht zusammen verwendet werden</translation>
    </message>
    <message id="CliNameBadDate">
        <source>cannot read the date &apos;%1&apos; (use &quot;YYYY-MM-DD HH:MM:SS&quot;)</source>
        <translation>das Datum „%1“ ist nicht lesbar (Format „YYYY-MM-DD HH:MM:SS“)</translation>
    </message>
    <message id="CliNameSeqNotANumber">
        <source>--seq needs a whole number, not &apos;%1&apos;</source>
        <translation>--seq braucht eine ganze Zahl, nicht „%1“</translation>
    </message>
    <message id="CliNameIdenticalChoice">
        <source>--identical takes &apos;second&apos; or &apos;counter&apos;, not &apos;%1&apos;</source>
        <translation>--identical nimmt „second“ oder „counter“, nicht „%1“</translation>
    </message>
    <message id="CliNotAFolder">
        <source>&apos;%1&apos; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
    <message id="CliHelpName">
        <source>Show the name a style makes for a date.</source>
        <translation>Den Namen anzeigen, den ein Stil für ein Datum bildet.</translation>
    </message>
    <message id="CliNameOptionFolder">
        <source>Use the folder styles.</source>
        <translation>Die Ordnerstile verwenden.</translation>
    </message>
    <message id="CliNameOptionDate">
        <source>Local date and time &quot;YYYY-MM-DD HH:MM:SS&quot; (default: now).</source>
        <translation>Lokales Datum und Uhrzeit „YYYY-MM-DD HH:MM:SS“ (Vorgabe: jetzt).</translation>
    </message>
    <message id="CliNameOptionFile">
        <source>The file being named.</source>
        <translation>Die Datei, die benannt wird.</translation>
    </message>
    <message id="CliNameOptionIn">
        <source>Find a name not yet taken in this folder.</source>
        <translation>Einen in diesem Ordner noch freien Namen suchen.</translation>
    </message>
    <message id="CliNameOptionPrefix">
        <source>Prefix written at %P.</source>
        <translation>Präfix, das bei %P eingesetzt wird.</translation>
    </message>
    <message id="CliNameOptionSuffix">
        <source>Suffix written at %S.</source>
        <translation>Suffix, das bei %S eingesetzt wird.</translation>
    </message>
    <message id="CliNameOptionSeq">
        <source>Sequence number written at %Q (default 1).</source>
        <translation>Laufende Nummer, die bei %Q eingesetzt wird (Vorgabe 1).</translation>
    </message>
    <message id="CliNameOptionIdentical">
        <source>When a name is taken: shift the &apos;second&apos; or count up (&apos;counter&apos;).</source>
        <translation>Wenn ein Name vergeben ist: die Sekunde verschieben („second“) oder hochzählen („counter“).</translation>
    </message>
    <message id="CliNameOptionExample">
        <source>Print the example name (no prefix, suffix or search).</source>
        <translation>Den Beispielnamen ausgeben (ohne Präfix, Suffix und Suche).</translation>
    </message>
    <message id="CliNameOptionPopup">
        <source>Print the style&apos;s menu title.</source>
        <translation>Den Menütitel des Stils ausgeben.</translation>
    </message>
    <message id="CliRunDescription">
        <source>Renames photos and movies, and the files in folders, after the moment they were taken.</source>
        <translation>Benennt Fotos und Filme sowie die Dateien in Ordnern nach dem Zeitpunkt ihrer Aufnahme um.</translation>
    </message>
    <message id="CliRunArgumentPath">
        <source>Files or folders to rename.</source>
        <translation>Umzubenennende Dateien oder Ordner.</translation>
    </message>
    <message id="CliOptionWait">
        <source>Wait for a run or undo already going on to finish.</source>
        <translation>Warten, bis ein laufender Durchgang oder ein laufendes Rückgängigmachen beendet ist.</translation>
    </message>
    <message id="CliRunNoFiles">
        <source>no files given (see lumenscribe --help)</source>
        <translation>keine Dateien angegeben (siehe lumenscribe --help)</translation>
    </message>
    <message id="CliRunNoTerminalToAsk">
        <source>the settings ask to confirm every file, and there is no terminal to ask on: use --yes to rename without asking, or --dry-run to see the plan</source>
        <translation>laut den Einstellungen ist jede Datei zu bestätigen, aber es gibt kein Terminal für die Rückfrage: --yes benennt ohne Rückfrage um, --dry-run zeigt den Plan</translation>
    </message>
    <message id="CliRunNoSuchPath">
        <source>%1: no such file or folder</source>
        <translation>%1: Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message id="CliRunNoFolderStyle">
        <source>no folder style number &apos;%1&apos; (see lumenscribe styles)</source>
        <translation>kein Ordnerstil mit der Nummer „%1“ (siehe lumenscribe styles)</translation>
    </message>
    <message id="CliHelpRename">
        <source>Rename photos and movies (the default: lumenscribe PATH...).</source>
        <translation>Fotos und Filme umbenennen (die Vorgabe: lumenscribe PATH...).</translation>
    </message>
    <message id="CliRunOptionDryRun">
        <source>Show the plan; touch no file.</source>
        <translation>Den Plan zeigen; keine Datei wird verändert.</translation>
    </message>
    <message id="CliRunOptionYes">
        <source>Rename without asking (files whose name fails the check are left).</source>
        <translation>Ohne Rückfrage umbenennen (Dateien, deren Name die Prüfung nicht besteht, bleiben unverändert).</translation>
    </message>
    <message id="CliRunOptionAsk">
        <source>Ask on standard input even when it is not a terminal.</source>
        <translation>Auf der Standardeingabe fragen, auch wenn sie kein Terminal ist.</translation>
    </message>
    <message id="CliRunOptionFolderStyle">
        <source>Folder style N for --dated-folder.</source>
        <translation>Ordnerstil N für --dated-folder.</translation>
    </message>
    <message id="CliRunOptionInPlace">
        <source>Rename files where they are.</source>
        <translation>Dateien dort umbenennen, wo sie liegen.</translation>
    </message>
    <message id="CliRunOptionMoveTo">
        <source>Move the files into DIR.</source>
        <translation>Die Dateien nach DIR verschieben.</translation>
    </message>
    <message id="CliRunOptionDatedFolder">
        <source>Move the files into a new dated folder in DIR.</source>
        <translation>Die Dateien in einen neuen, nach Datum benannten Ordner in DIR verschieben.</translation>
    </message>
    <message id="CliRunOptionPrefix">
        <source>Prefix for the new names.</source>
        <translation>Präfix für die neuen Namen.</translation>
    </message>
    <message id="CliRunOptionSuffix">
        <source>Suffix for the new names.</source>
        <translation>Suffix für die neuen Namen.</translation>
    </message>
    <message id="CliRunOptionJson">
        <source>One JSON object per file on stdout.</source>
        <translation>Ein JSON-Objekt je Datei auf der Standardausgabe.</translation>
    </message>
    <message id="CliLockAnotherProcess">
        <source>another process</source>
        <translation>ein anderer Prozess</translation>
    </message>
    <message id="CliLockProcess">
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message id="CliLockHeld">
        <source>another run or undo is going on (%1, lock %2); use --wait to wait for it</source>
        <translation>ein anderer Durchgang oder ein Rückgängigmachen läuft gerade (%1, Sperrdatei %2); mit --wait wird darauf gewartet</translation>
    </message>
    <message id="CliLockWaiting">
        <source>waiting for %1 to finish its run or undo</source>
        <translation>warte, bis %1 seinen Durchgang oder sein Rückgängigmachen beendet hat</translation>
    </message>
    <message id="CliRunSummaryDryRun">
        <source>would rename %1, deleted %2, skipped %3, failed %4</source>
        <translation>umzubenennen %1, zu löschen %2, zu überspringen %3, würden fehlschlagen %4</translation>
    </message>
    <message id="CliRunSummary">
        <source>renamed %1, deleted %2, skipped %3, failed %4</source>
        <translation>umbenannt %1, gelöscht %2, übersprungen %3, fehlgeschlagen %4</translation>
    </message>
    <message id="CliRunSummaryUnchanged">
        <source>%1 unchanged</source>
        <translation>%1 unverändert</translation>
    </message>
    <message id="CliRunSummaryNeedConfirmation">
        <source>%1 need confirmation</source>
        <translation>%1 zu bestätigen</translation>
    </message>
    <message id="CliRunSummaryWithoutCaptureDate">
        <source>%1 without capture date</source>
        <translation>%1 ohne Aufnahmedatum</translation>
    </message>
    <message id="CliRunSummaryAborted">
        <source>aborted</source>
        <translation>abgebrochen</translation>
    </message>
    <message id="CliRunNoDate">
        <source>no date</source>
        <translation>kein Datum</translation>
    </message>
    <message id="CliRunNoCaptureDate">
        <source>no capture date: named by its file time</source>
        <translation>kein Aufnahmedatum: nach der Dateizeit benannt</translation>
    </message>
    <message id="CliRunTimeUnknown">
        <source>time unknown</source>
        <translation>Uhrzeit unbekannt</translation>
    </message>
    <message id="CliRunWouldDelete">
        <source>would delete %1</source>
        <translation>würde löschen: %1</translation>
    </message>
    <message id="CliRunDeleted">
        <source>deleted %1</source>
        <translation>gelöscht: %1</translation>
    </message>
    <message id="CliRunSkipped">
        <source>skipped %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message id="CliRunSkippedBecause">
        <source>skipped %1: %2</source>
        <translation>übersprungen: %1: %2</translation>
    </message>
    <message id="CliRunWouldFail">
        <source>would fail %1: %2</source>
        <translation>würde fehlschlagen: %1: %2</translation>
    </message>
    <message id="CliRunFailed">
        <source>failed %1: %2</source>
        <translation>fehlgeschlagen: %1: %2</translation>
    </message>
    <message id="CliRunNeedsConfirmation">
        <source>needs confirmation %1 (%2)</source>
        <translation>zu bestätigen: %1 (%2)</translation>
    </message>
    <message id="CliRunUnchanged">
        <source>unchanged %1</source>
        <translation>unverändert: %1</translation>
    </message>
    <message id="CliRunCompanionWouldFail">
        <source>with %1 would fail: %2</source>
        <translation>mit %1 würde fehlschlagen: %2</translation>
    </message>
    <message id="CliRunCompanionFailed">
        <source>with %1 failed: %2</source>
        <translation>mit %1 fehlgeschlagen: %2</translation>
    </message>
    <message id="CliRunCompanion">
        <source>with %1 -&gt; %2</source>
        <translation>mit %1 -&gt; %2</translation>
    </message>
    <message id="CliSettingsProblem">
        <source>%1; starting from the initial settings</source>
        <translation>%1; es wird mit den anfänglichen Einstellungen begonnen</translation>
    </message>
    <message id="CliStyleUnknownSetting">
        <source>unknown style setting &apos;%1&apos;</source>
        <translation>unbekannte Stileinstellung „%1“</translation>
    </message>
    <message id="CliStyleSettingNotAccepted">
        <source>style setting %1 does not accept &apos;%2&apos;</source>
        <translation>die Stileinstellung %1 nimmt „%2“ nicht an</translation>
    </message>
    <message id="CliStyleStyleAndFormat">
        <source>--style and --format cannot be used together</source>
        <translation>--style und --format können nicht zusammen verwendet werden</translation>
    </message>
    <message id="CliStyleNoFolderStyle">
        <source>no folder style number &apos;%1&apos; (there are %2; see lumenscribe styles)</source>
        <translation>kein Ordnerstil mit der Nummer „%1“ (es gibt %2; siehe lumenscribe styles)</translation>
    </message>
    <message id="CliStyleNoFileStyle">
        <source>no file style number &apos;%1&apos; (there are %2; see lumenscribe styles)</source>
        <translation>kein Dateistil mit der Nummer „%1“ (es gibt %2; siehe lumenscribe styles)</translation>
    </message>
    <message id="CliStyleOptionStyle">
        <source>Use style number N.</source>
        <translation>Stil Nummer N verwenden.</translation>
    </message>
    <message id="CliStyleOptionFormat">
        <source>Use a new style with this format.</source>
        <translation>Einen neuen Stil mit diesem Format verwenden.</translation>
    </message>
    <message id="CliStyleOptionSet">
        <source>Set a style setting, e.g. timeFormat=1 (repeatable).</source>
        <translation>Eine Stileinstellung setzen, z. B. timeFormat=1 (wiederholbar).</translation>
    </message>
    <message id="CliStylesNoStyle">
        <source>no style number &apos;%1&apos;</source>
        <translation>kein Stil mit der Nummer „%1“</translation>
    </message>
    <message id="CliStylesBuiltIn">
        <source>style %1 is built in and cannot be changed; &apos;styles add --from %1&apos; makes a copy to change</source>
        <translation>Stil %1 ist mitgeliefert und kann nicht geändert werden; „styles add --from %1“ legt eine änderbare Kopie an</translation>
    </message>
    <message id="CliStylesDescription">
        <source>Lists every file and folder style: number, kind, built-in or custom, the name it gives DSC_1234.jpg, and its format; with --folder the folder styles only.
  styles add [--folder] (--format FMT | --from N) [--set KEY=VALUE]...
  styles set [--folder] N KEY=VALUE...
  styles delete [--folder] N</source>
        <translation>Listet alle Datei- und Ordnerstile auf: Nummer, Art, mitgeliefert oder eigen, der Name, den er DSC_1234.jpg gibt, und sein Format; mit --folder nur die Ordnerstile.
  styles add [--folder] (--format FMT | --from N) [--set KEY=VALUE]...
  styles set [--folder] N KEY=VALUE...
  styles delete [--folder] N</translation>
    </message>
    <message id="CliStylesOptionFolder">
        <source>Work on the folder styles.</source>
        <translation>Mit den Ordnerstilen arbeiten.</translation>
    </message>
    <message id="CliStylesOptionFrom">
        <source>Start from style N.</source>
        <translation>Von Stil N ausgehen.</translation>
    </message>
    <message id="CliStylesUnknownAction">
        <source>unknown action &apos;%1&apos; (add, set or delete)</source>
        <translation>unbekannte Aktion „%1“ (add, set oder delete)</translation>
    </message>
    <message id="CliStylesKindFolder">
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message id="CliStylesKindFile">
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message id="CliStylesBuiltInStyle">
        <source>built-in</source>
        <translation>mitgeliefert</translation>
    </message>
    <message id="CliStylesCustomStyle">
        <source>custom</source>
        <translation>eigen</translation>
    </message>
    <message id="CliStylesAddUsage">
        <source>add takes either --format FMT or --from N</source>
        <translation>add braucht entweder --format FMT oder --from N</translation>
    </message>
    <message id="CliStylesAddedFolder">
        <source>added folder style %1: %2</source>
        <translation>Ordnerstil %1 hinzugefügt: %2</translation>
    </message>
    <message id="CliStylesAddedFile">
        <source>added file style %1: %2</source>
        <translation>Dateistil %1 hinzugefügt: %2</translation>
    </message>
    <message id="CliStylesSetUsage">
        <source>use: styles set N KEY=VALUE...</source>
        <translation>Aufruf: styles set N KEY=VALUE...</translation>
    </message>
    <message id="CliStylesDeleteUsage">
        <source>use: styles delete N</source>
        <translation>Aufruf: styles delete N</translation>
    </message>
    <message id="CliHelpStyles">
        <source>List and manage the naming styles.</source>
        <translation>Die Benennungsstile auflisten und verwalten.</translation>
    </message>
    <message id="CliWarningNoSuffix">
        <source>warning: the format &quot;%1&quot; has no %F, so the new names have no file type suffix (IMG_0042.JPG would lose its .jpg)</source>
        <translation>Warnung: Das Format „%1“ enthält kein %F, daher haben die neuen Namen keine Dateiendung (IMG_0042.JPG würde ihr .jpg verlieren)</translation>
    </message>
    <message id="CliTagsDescription">
        <source>Prints every tag the metadata reader finds in FILE, sorted by key: one &quot;KEY&lt;TAB&gt;VALUE&quot; line each, or one JSON object.</source>
        <translation>Gibt jedes Tag, das der Metadatenleser in FILE findet, nach Schlüssel sortiert aus: je eine Zeile „KEY&lt;TAB&gt;VALUE“ oder ein JSON-Objekt.</translation>
    </message>
    <message id="CliTagsOptionJson">
        <source>One JSON object of key and value.</source>
        <translation>Ein JSON-Objekt aus Schlüsseln und Werten.</translation>
    </message>
    <message id="CliTagsArgumentFile">
        <source>The file to read.</source>
        <translation>Die zu lesende Datei.</translation>
    </message>
    <message id="CliTagsOneFile">
        <source>give exactly one file (see lumenscribe tags --help)</source>
        <translation>geben Sie genau eine Datei an (siehe lumenscribe tags --help)</translation>
    </message>
    <message id="CliHelpTags">
        <source>Show the metadata tags of a file.</source>
        <translation>Die Metadaten-Tags einer Datei anzeigen.</translation>
    </message>
    <message id="CliPromptFileChoices">
        <source>[r]ename, rename [a]ll, [s]kip, a[b]ort, [e]dit the name, [c]orrect the date?</source>
        <extracomment>The letters in brackets are the answers typed: keep r, a, s, b, e and c.</extracomment>
        <translation>[r] umbenennen, [a]lle umbenennen, [s] überspringen, a[b]brechen, Namen [e] ändern, Datum [c] korrigieren?</translation>
    </message>
    <message id="CliPromptFileTaken">
        <source>taken %1 (correction: %2)</source>
        <translation>aufgenommen %1 (Korrektur: %2)</translation>
    </message>
    <message id="CliPromptNameUnusable">
        <source>This name cannot be used: %1</source>
        <translation>Dieser Name kann nicht verwendet werden: %1</translation>
    </message>
    <message id="CliPromptNewName">
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message id="CliPromptRightDate">
        <source>The right date for this file (YYYY-MM-DD HH:MM:SS); the correction then holds for the files that follow:</source>
        <translation>Das richtige Datum dieser Datei (YYYY-MM-DD HH:MM:SS); die Korrektur gilt dann auch für die folgenden Dateien:</translation>
    </message>
    <message id="CliPromptNotADate">
        <source>That is not a date.</source>
        <translation>Das ist kein Datum.</translation>
    </message>
    <message id="CliFolderNeedsConfirmation">
        <source>the download folder name &quot;%1&quot; needs confirmation (%2); nothing was renamed</source>
        <translation>der Name des Download-Ordners „%1“ muss bestätigt werden (%2); nichts wurde umbenannt</translation>
    </message>
    <message id="CliFolderNewFolder">
        <source>New download folder: %1</source>
        <translation>Neuer Download-Ordner: %1</translation>
    </message>
    <message id="CliFolderChoices">
        <source>[o]k, [e]dit the name, a[b]ort?</source>
        <extracomment>The letters in brackets are the answers typed: keep o, e and b.</extracomment>
        <translation>[o] OK, Namen [e] ändern, a[b]brechen?</translation>
    </message>
    <message id="CliFolderName">
        <source>Folder name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message id="CliUndoDescription">
        <source>Takes back a run: every file returns to its old name where that name is free and its new name still holds it; deleted files come back from the trash. Nothing is overwritten; what cannot be taken back is listed.</source>
        <translation>Macht einen Durchgang rückgängig: Jede Datei erhält ihren alten Namen zurück, sofern dieser frei ist und sie ihren neuen Namen noch trägt; gelöschte Dateien kommen aus dem Papierkorb zurück. Nichts wird überschrieben; was sich nicht rückgängig machen lässt, wird aufgelistet.</translation>
    </message>
    <message id="CliUndoOptionDryRun">
        <source>Show what would be taken back.</source>
        <translation>Zeigen, was rückgängig gemacht würde.</translation>
    </message>
    <message id="CliUndoOptionList">
        <source>List the runs kept, newest first.</source>
        <translation>Die aufbewahrten Durchgänge auflisten, den neuesten zuerst.</translation>
    </message>
    <message id="CliUndoArgumentRun">
        <source>The run to take back (default: the last).</source>
        <translation>Der rückgängig zu machende Durchgang (Vorgabe: der letzte).</translation>
    </message>
    <message id="CliUndoOneRunAtMost">
        <source>takes one run at most</source>
        <translation>nimmt höchstens einen Durchgang</translation>
    </message>
    <message id="CliUndoNothingToUndo">
        <source>no run to take back</source>
        <translation>kein Durchgang zum Rückgängigmachen</translation>
    </message>
    <message id="CliUndoNoSuchRun">
        <source>no run &apos;%1&apos; (see lumenscribe undo --list)</source>
        <translation>kein Durchgang „%1“ (siehe lumenscribe undo --list)</translation>
    </message>
    <message id="CliUndoAlreadyUndone">
        <source>run %1 was taken back already; lumenscribe undo --list shows the runs kept, and lumenscribe undo RUN takes back an older one</source>
        <translation>Durchgang %1 wurde bereits rückgängig gemacht; lumenscribe undo --list zeigt die aufbewahrten Durchgänge, lumenscribe undo RUN macht einen älteren rückgängig</translation>
    </message>
    <message id="CliUndoNotUndone">
        <source>not undone: %1</source>
        <translation>nicht rückgängig gemacht: %1</translation>
    </message>
    <message id="CliUndoSummaryDryRun">
        <source>would restore %1, not undone %2</source>
        <translation>wiederherzustellen %1, nicht rückgängig zu machen %2</translation>
    </message>
    <message id="CliUndoSummary">
        <source>restored %1, not undone %2</source>
        <translation>wiederhergestellt %1, nicht rückgängig gemacht %2</translation>
    </message>
    <message id="CliUndoListUndone">
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message id="CliUndoListStopped">
        <source>stopped part way</source>
        <translation>mittendrin abgebrochen</translation>
    </message>
    <message id="CliUndoListPartlyUndone">
        <source>partly undone: %1 files</source>
        <translation>teilweise rückgängig gemacht: %1 Dateien</translation>
    </message>
    <message id="CliUndoListFiles">
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message id="CliHelpUndo">
        <source>Take back the last run (or a named one).</source>
        <translation>Den letzten (oder einen genannten) Durchgang rückgängig machen.</translation>
    </message>
    <message id="AlertPanelRunLocked">
        <source>Another rename run or undo is going on (process %1). Nothing was renamed; drop the files again when it has ended.</source>
        <translation>Ein anderer Umbenennungsdurchgang oder ein Rückgängigmachen läuft gerade (Prozess %1). Es wurde nichts umbenannt; ziehen Sie die Dateien erneut hierher, wenn er beendet ist.</translation>
    </message>
    <message id="AlertPanelRunLockFailed">
        <source>The lock that keeps to one run at a time could not be taken (%1). Nothing was renamed.</source>
        <translation>Die Sperre, die nur einen Durchgang zur Zeit zulässt, konnte nicht gesetzt werden (%1). Es wurde nichts umbenannt.</translation>
    </message>
    <message id="MainDropMovesToFolder">
        <source>Dropped files are moved to %1 under their new names.</source>
        <translation>Abgelegte Dateien werden unter ihrem neuen Namen nach %1 verschoben.</translation>
    </message>
    <message id="MainDropMovesToDatedFolder">
        <source>Dropped files are moved into a new dated folder in %1.</source>
        <translation>Abgelegte Dateien werden in einen neuen datierten Ordner in %1 verschoben.</translation>
    </message>
    <message id="MainDropRenamesInPlace">
        <source>Dropped files are renamed where they are.</source>
        <translation>Abgelegte Dateien werden an Ort und Stelle umbenannt.</translation>
    </message>
    <message id="MainUndoLastRun" numerus="yes">
        <source>Undo the last run (%n file(s))</source>
        <translation>
            <numerusform>Letzten Durchgang rückgängig machen (%n Datei)</numerusform>
            <numerusform>Letzten Durchgang rückgängig machen (%n Dateien)</numerusform>
        </translation>
    </message>
    <message id="MainUndoNothing">
        <source>Undo the last run</source>
        <translation>Letzten Durchgang rückgängig machen</translation>
    </message>
    <message id="MainUndoQuestion" numerus="yes">
        <source>Put the %n file(s) of the run of %1 back under their old names? Files deleted by the run come back from the trash.</source>
        <translation>
            <numerusform>Soll die %n Datei des Durchgangs vom %1 wieder ihren alten Namen bekommen? Vom Durchgang gelöschte Dateien kommen aus dem Papierkorb zurück.</numerusform>
            <numerusform>Sollen die %n Dateien des Durchgangs vom %1 wieder ihre alten Namen bekommen? Vom Durchgang gelöschte Dateien kommen aus dem Papierkorb zurück.</numerusform>
        </translation>
    </message>
    <message id="MainTableNoDate">
        <source>no date</source>
        <translation>kein Datum</translation>
    </message>
    <message id="MainTableFileDate">
        <source>%1 (file date)</source>
        <oldsource>%1 (file date: no capture date found)</oldsource>
        <translation>%1 (Dateidatum)</translation>
    </message>
    <message id="MainTableThmDate">
        <source>%1 (from its THM file)</source>
        <translation>%1 (aus der THM-Datei)</translation>
    </message>
    <message id="MainTableNeedsConfirmation">
        <source>needs confirmation</source>
        <translation>muss bestätigt werden</translation>
    </message>
    <message id="MainTableUnchanged">
        <source>already named so</source>
        <translation>heißt bereits so</translation>
    </message>
    <message id="MainTableDeleted">
        <source>would be deleted</source>
        <translation>würde gelöscht</translation>
    </message>
    <message id="AlertListAccessibleName">
        <source>Further problems</source>
        <translation>Weitere Probleme</translation>
    </message>
    <message id="AlertMoreProblems" numerus="yes">
        <source>%n more problem(s):</source>
        <translation>
            <numerusform>%n weiteres Problem:</numerusform>
            <numerusform>%n weitere Probleme:</numerusform>
        </translation>
    </message>
    <message id="DropAreaHint">
        <source>Drop photos, movies or folders here</source>
        <translation>Fotos, Filme oder Ordner hier ablegen</translation>
    </message>
    <message id="DropAreaOpenFiles">
        <source>Open &amp;Files…</source>
        <translation>&amp;Dateien öffnen …</translation>
    </message>
    <message id="DropAreaOpenFolder">
        <source>Open F&amp;older…</source>
        <translation>&amp;Ordner öffnen …</translation>
    </message>
    <message id="GuiDescription">
        <source>Gives photos and movies names made from the moment they were taken.</source>
        <translation>Gibt Fotos und Filmen Namen nach dem Moment ihrer Aufnahme.</translation>
    </message>
    <message id="GuiPathsArgument">
        <source>Photos, movies or folders to rename; without them the main window opens.</source>
        <translation>Umzubenennende Fotos, Filme oder Ordner; ohne sie öffnet sich das Hauptfenster.</translation>
    </message>
    <message id="MainUndoNothingButton">
        <source>&amp;Undo the last run</source>
        <translation>Letzten Durchgang &amp;rückgängig machen</translation>
    </message>
    <message id="MenuFile">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="MenuOpenFiles">
        <source>&amp;Open Files…</source>
        <translation>Dateien ö&amp;ffnen …</translation>
    </message>
    <message id="MenuOpenFolder">
        <source>Open F&amp;older…</source>
        <translation>&amp;Ordner öffnen …</translation>
    </message>
    <message id="MenuUndoLastRun">
        <source>&amp;Undo Last Run…</source>
        <translation>Letzten Durchgang &amp;rückgängig machen …</translation>
    </message>
    <message id="MenuQuit">
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="MenuSettings">
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message id="MenuPreferences">
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message id="MenuHelp">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="MenuAbout">
        <source>&amp;About Lumenscribe</source>
        <translation>Über &amp;Lumenscribe</translation>
    </message>
    <message id="MenuCheckForUpdates">
        <source>Check for &amp;Updates</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message id="MenuDonationInformation">
        <source>&amp;Donation Information</source>
        <translation>&amp;Spendeninformationen</translation>
    </message>
    <message id="MainShowNamesFirst">
        <source>Show the &amp;names before renaming</source>
        <translation>&amp;Namen vor dem Umbenennen zeigen</translation>
    </message>
    <message id="MainFileStyleLabel">
        <source>File &amp;style:</source>
        <translation>Datei&amp;stil:</translation>
    </message>
    <message id="MainFolderStyleLabel">
        <source>F&amp;older style:</source>
        <translation>&amp;Ordnerstil:</translation>
    </message>
    <message id="NamesTableAccessibleName">
        <source>Names the files will get</source>
        <translation>Namen, die die Dateien bekommen</translation>
    </message>
    <message id="NamesRenameButton">
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message id="NamesClearButton">
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message id="NamesPlanning">
        <source>Working out the names…</source>
        <translation>Die Namen werden ermittelt …</translation>
    </message>
    <message id="NamesCount" numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message id="OpenFilesCaption">
        <source>Open Photos and Movies</source>
        <translation>Fotos und Filme öffnen</translation>
    </message>
    <message id="OpenFolderCaption">
        <source>Open a Folder of Photos and Movies</source>
        <translation>Einen Ordner mit Fotos und Filmen öffnen</translation>
    </message>
    <message id="UndoNothing">
        <source>There is no run left to undo.</source>
        <translation>Es gibt keinen Durchgang mehr, der rückgängig gemacht werden kann.</translation>
    </message>
    <message id="UndoDone" numerus="yes">
        <source>%n file(s) put back.</source>
        <translation>
            <numerusform>%n Datei wiederhergestellt.</numerusform>
            <numerusform>%n Dateien wiederhergestellt.</numerusform>
        </translation>
    </message>
    <message id="UndoPartly" numerus="yes">
        <source>%n file(s) put back. These could not be put back:</source>
        <translation>
            <numerusform>%n Datei wiederhergestellt. Diese konnten nicht wiederhergestellt werden:</numerusform>
            <numerusform>%n Dateien wiederhergestellt. Diese konnten nicht wiederhergestellt werden:</numerusform>
        </translation>
    </message>
    <message id="UndoLocked">
        <source>A rename run or undo is going on. Try again when it has ended.</source>
        <translation>Ein Umbenennungsdurchgang oder ein Rückgängigmachen läuft gerade. Versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
    <message id="UndoFailed">
        <source>The run could not be undone.</source>
        <translation>Der Durchgang konnte nicht rückgängig gemacht werden.</translation>
    </message>
    <message id="NamesColumnOldName">
        <source>Name now</source>
        <translation>Jetziger Name</translation>
    </message>
    <message id="NamesColumnDate">
        <source>Capture date</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message id="NamesColumnNewName">
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message id="NamesColumnProblem">
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message id="ProgressWindowTitle">
        <source>Lumenscribe: renaming</source>
        <translation>Lumenscribe: Umbenennen</translation>
    </message>
    <message id="ProgressBarAccessibleName">
        <source>Progress of the run</source>
        <translation>Fortschritt des Durchgangs</translation>
    </message>
    <message id="ProgressAbortButton">
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message id="CiwWindowTitle">
        <source>Confirm the New Name</source>
        <translation>Neuen Namen bestätigen</translation>
    </message>
    <message id="CiwCorrectionEnableCheckBox">
        <source>&amp;Correct the date</source>
        <translation>Datum &amp;korrigieren</translation>
    </message>
    <message id="CiwShowPreviewCheckBox">
        <source>Show pre&amp;view</source>
        <translation>&amp;Vorschau zeigen</translation>
    </message>
    <message id="CiwOldNameLabel">
        <source>Current name:</source>
        <translation>Jetziger Name:</translation>
    </message>
    <message id="CiwResetNameButton">
        <source>R&amp;eset Name</source>
        <translation>Name &amp;zurücksetzen</translation>
    </message>
    <message id="CiwResetNameToolTip">
        <source>Make the name again from the naming style</source>
        <translation>Den Namen neu aus dem Benennungsstil bilden</translation>
    </message>
    <message id="CiwNewNameLabel">
        <source>&amp;New name:</source>
        <translation>N&amp;euer Name:</translation>
    </message>
    <message id="CiwPresuffixNone">
        <source>No prefix or suffix</source>
        <translation>Kein Präfix oder Suffix</translation>
    </message>
    <message id="CiwPresuffixAsPreferences">
        <source>As in the preferences</source>
        <translation>Wie in den Einstellungen</translation>
    </message>
    <message id="CiwPresuffixPrefix">
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message id="CiwPresuffixSuffix">
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message id="CiwPresuffixBoth">
        <source>Prefix and suffix</source>
        <translation>Präfix und Suffix</translation>
    </message>
    <message id="CiwPresuffixLabel">
        <source>Prefi&amp;x and suffix:</source>
        <translation>Prä&amp;fix und Suffix:</translation>
    </message>
    <message id="CiwSuffixLabel">
        <source>&amp;Suffix:</source>
        <translation>&amp;Suffix:</translation>
    </message>
    <message id="CiwPrefixLabel">
        <source>&amp;Prefix:</source>
        <translation>&amp;Präfix:</translation>
    </message>
    <message id="CiwCorrectionYearLabel">
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message id="CiwCorrectionMonthLabel">
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message id="CiwCorrectionDayLabel">
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message id="CiwCorrectionHoursLabel">
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message id="CiwCorrectionMinutesLabel">
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message id="CiwCorrectionSecondsLabel">
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message id="CiwCorrectionFileDateLabel">
        <source>File date:</source>
        <translation>Dateidatum:</translation>
    </message>
    <message id="CiwCorrectionDifferenceLabel">
        <source>Correction:</source>
        <translation>Korrektur:</translation>
    </message>
    <message id="CiwCorrectionSetFileDateButton">
        <source>Set to &amp;File Date</source>
        <translation>Auf &amp;Dateidatum setzen</translation>
    </message>
    <message id="CiwCorrectionSetNowButton">
        <source>Set to N&amp;ow</source>
        <translation>Auf je&amp;tzt setzen</translation>
    </message>
    <message id="CiwAbortButton">
        <source>A&amp;bort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message id="CiwAbortToolTip">
        <source>Stop renaming: this file and the files after it keep their names</source>
        <translation>Umbenennen beenden: diese Datei und die folgenden behalten ihre Namen</translation>
    </message>
    <message id="CiwDontRenameButton">
        <source>&amp;Don&apos;t Rename</source>
        <translation>&amp;Nicht umbenennen</translation>
    </message>
    <message id="CiwRenameAllButton">
        <source>Rename &amp;All</source>
        <translation>&amp;Alle umbenennen</translation>
    </message>
    <message id="CiwRenameAllToolTip">
        <source>Rename the files after this one without asking</source>
        <translation>Die folgenden Dateien ohne Nachfrage umbenennen</translation>
    </message>
    <message id="CiwRenameButton">
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message id="FiwWindowTitle">
        <source>Name of the New Folder</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message id="FiwResetNameButton">
        <source>R&amp;eset Name</source>
        <translation>Name &amp;zurücksetzen</translation>
    </message>
    <message id="FiwNameLabel">
        <source>&amp;Folder name:</source>
        <translation>&amp;Ordnername:</translation>
    </message>
    <message id="FiwPresuffixNone">
        <source>No prefix or suffix</source>
        <translation>Kein Präfix oder Suffix</translation>
    </message>
    <message id="FiwPresuffixAsPreferences">
        <source>As in the preferences</source>
        <translation>Wie in den Einstellungen</translation>
    </message>
    <message id="FiwPresuffixPrefix">
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message id="FiwPresuffixSuffix">
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message id="FiwPresuffixBoth">
        <source>Prefix and suffix</source>
        <translation>Präfix und Suffix</translation>
    </message>
    <message id="FiwPresuffixLabel">
        <source>Prefi&amp;x and suffix:</source>
        <translation>Prä&amp;fix und Suffix:</translation>
    </message>
    <message id="FiwSuffixLabel">
        <source>&amp;Suffix:</source>
        <translation>&amp;Suffix:</translation>
    </message>
    <message id="FiwPrefixLabel">
        <source>&amp;Prefix:</source>
        <translation>&amp;Präfix:</translation>
    </message>
    <message id="FiwAbortButton">
        <source>A&amp;bort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message id="FiwAbortToolTip">
        <source>Stop: no folder is made and no file is renamed</source>
        <translation>Abbrechen: es wird kein Ordner angelegt und keine Datei umbenannt</translation>
    </message>
    <message id="FiwOkButton">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="PreviewImageAccessibleName">
        <source>Preview of the file</source>
        <translation>Vorschau der Datei</translation>
    </message>
    <message id="MainTableNoCaptureDate">
        <source>no capture date found: named by the date of the file</source>
        <translation>kein Aufnahmedatum gefunden: nach dem Datum der Datei benannt</translation>
    </message>
    <message id="StylesCodeYear">
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message id="StylesCodeMonth">
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message id="StylesCodeDay">
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message id="StylesCodeHour">
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message id="StylesCodeMinute">
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message id="StylesCodeSecond">
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message id="StylesCodeAmPm">
        <source>AM or PM (12-hour clock)</source>
        <translation>AM oder PM (12-Stunden-Uhr)</translation>
    </message>
    <message id="StylesCodeCounter">
        <source>Counter for names already taken</source>
        <translation>Zähler für bereits vergebene Namen</translation>
    </message>
    <message id="StylesCodeSequence">
        <source>Sequence number</source>
        <translation>Laufende Nummer</translation>
    </message>
    <message id="StylesCodeFileType">
        <source>File type suffix</source>
        <translation>Dateiendung</translation>
    </message>
    <message id="StylesCodeOldName">
        <source>Old name</source>
        <translation>Alter Name</translation>
    </message>
    <message id="StylesCodeOldNameBase">
        <source>Old name without file type</source>
        <translation>Alter Name ohne Dateiendung</translation>
    </message>
    <message id="StylesCodeSubString1">
        <source>Substring 1</source>
        <translation>Teil 1 des alten Namens</translation>
    </message>
    <message id="StylesCodeSubString2">
        <source>Substring 2</source>
        <translation>Teil 2 des alten Namens</translation>
    </message>
    <message id="StylesCodeSubString3">
        <source>Substring 3</source>
        <translation>Teil 3 des alten Namens</translation>
    </message>
    <message id="StylesCodeSubString4">
        <source>Substring 4</source>
        <translation>Teil 4 des alten Namens</translation>
    </message>
    <message id="StylesCodePrefix">
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message id="StylesCodeSuffix">
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message id="StylesCodePercent">
        <source>Percent sign</source>
        <translation>Prozentzeichen</translation>
    </message>
    <message id="StylesProblemEmptyName">
        <source>This format makes an empty name.</source>
        <translation>Dieses Format ergibt einen leeren Namen.</translation>
    </message>
    <message id="StylesProblemNoFileType">
        <source>Without %F the new names lose their file type suffix (such as .jpg).</source>
        <translation>Ohne %F verlieren die neuen Namen ihre Dateiendung (etwa .jpg).</translation>
    </message>
    <message id="StylesFileWindowTitle">
        <source>File Naming Styles</source>
        <translation>Benennungsstile für Dateien</translation>
    </message>
    <message id="StylesFolderWindowTitle">
        <source>Folder Naming Styles</source>
        <translation>Benennungsstile für Ordner</translation>
    </message>
    <message id="StylesDoneButton">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="StylesStyleLabel">
        <source>&amp;Style:</source>
        <translation>&amp;Stil:</translation>
    </message>
    <message id="StylesNewButton">
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message id="StylesNewToolTip">
        <source>Make a new style as a copy of the selected one</source>
        <translation>Einen neuen Stil als Kopie des gewählten anlegen</translation>
    </message>
    <message id="StylesDeleteButton">
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="StylesNameBox">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="StylesCodePickerButton">
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message id="StylesCodePickerToolTip">
        <source>Insert a code at the cursor</source>
        <translation>Einen Code an der Schreibmarke einfügen</translation>
    </message>
    <message id="StylesFormatLabel">
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message id="StylesExampleLabel">
        <source>E&amp;xample:</source>
        <translation>&amp;Beispiel:</translation>
    </message>
    <message id="StylesTestFileLabel">
        <source>Example f&amp;ile:</source>
        <oldsource>Example &amp;file:</oldsource>
        <translation>Beispiel&amp;datei:</translation>
    </message>
    <message id="StylesCounterBox">
        <source>Counter for names already taken (%C)</source>
        <translation>Zähler für bereits vergebene Namen (%C)</translation>
    </message>
    <message id="StylesCounterDigitsLabel">
        <source>&amp;Digits:</source>
        <translation>S&amp;tellen:</translation>
    </message>
    <message id="StylesCounterFromZero">
        <source>Starts at 0</source>
        <translation>Beginnt bei 0</translation>
    </message>
    <message id="StylesCounterFromOne">
        <source>Starts at 1</source>
        <translation>Beginnt bei 1</translation>
    </message>
    <message id="StylesCounterOnlyShow">
        <source>&amp;Only when a name is taken</source>
        <translation>Nur, wenn der Name &amp;vergeben ist</translation>
    </message>
    <message id="StylesCounterPrefixLabel">
        <source>&amp;Before the counter:</source>
        <translation>V&amp;or dem Zähler:</translation>
    </message>
    <message id="StylesSequenceBox">
        <source>Sequence number (%Q)</source>
        <translation>Laufende Nummer (%Q)</translation>
    </message>
    <message id="StylesSequenceNumberLabel">
        <source>Next n&amp;umber:</source>
        <oldsource>&amp;Next number:</oldsource>
        <translation>Nächste N&amp;ummer:</translation>
    </message>
    <message id="StylesSequenceDigitsLabel">
        <source>Di&amp;gits:</source>
        <translation>Stell&amp;en:</translation>
    </message>
    <message id="StylesTimeBox">
        <source>Hour (%h)</source>
        <translation>Stunde (%h)</translation>
    </message>
    <message id="StylesTime24">
        <source>24-hour clock</source>
        <translation>24-Stunden-Uhr</translation>
    </message>
    <message id="StylesTime12Upper">
        <source>12-hour clock, AM and PM</source>
        <translation>12-Stunden-Uhr, AM und PM</translation>
    </message>
    <message id="StylesTime12Lower">
        <source>12-hour clock, am and pm</source>
        <translation>12-Stunden-Uhr, am und pm</translation>
    </message>
    <message id="StylesDateSourceBox">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="StylesDateCaptureOrFile">
        <source>Capture date, else the file&apos;s date</source>
        <translation>Aufnahmedatum, sonst das Datum der Datei</translation>
    </message>
    <message id="StylesDateCaptureOnly">
        <source>Capture date only</source>
        <translation>Nur das Aufnahmedatum</translation>
    </message>
    <message id="StylesDateFileOnly">
        <source>File&apos;s creation date only</source>
        <translation>Nur das Erstellungsdatum der Datei</translation>
    </message>
    <message id="StylesFileTypeBox">
        <source>File type suffix (%F)</source>
        <translation>Dateiendung (%F)</translation>
    </message>
    <message id="StylesFileTypeAsIs">
        <source>As it is</source>
        <translation>Wie vorgefunden</translation>
    </message>
    <message id="StylesFileTypeLower">
        <source>Lower case</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message id="StylesFileTypeUpper">
        <source>Upper case</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message id="StylesFileTypeDot">
        <source>With a do&amp;t before it</source>
        <oldsource>With a dot &amp;before it</oldsource>
        <translation>Mit &amp;Punkt davor</translation>
    </message>
    <message id="StylesSubStringBox">
        <source>Parts of the old name (%1U to %4U)</source>
        <translation>Teile des alten Namens (%1U bis %4U)</translation>
    </message>
    <message id="StylesSubStringTypeHeader">
        <source>Take</source>
        <translation>Teil</translation>
    </message>
    <message id="StylesSubStringAHeader">
        <source>A</source>
        <translation>A</translation>
    </message>
    <message id="StylesSubStringBHeader">
        <source>B</source>
        <translation>B</translation>
    </message>
    <message id="StylesSubStringSourceHeader">
        <source>From</source>
        <translation>Aus</translation>
    </message>
    <message id="StylesSubStringFirst">
        <source>The first A characters</source>
        <translation>Die ersten A Zeichen</translation>
    </message>
    <message id="StylesSubStringLast">
        <source>The last A characters</source>
        <translation>Die letzten A Zeichen</translation>
    </message>
    <message id="StylesSubStringAllBut">
        <source>All but the first A characters</source>
        <translation>Alle außer den ersten A Zeichen</translation>
    </message>
    <message id="StylesSubStringMiddle">
        <source>B characters from position A</source>
        <translation>B Zeichen ab Stelle A</translation>
    </message>
    <message id="StylesSubStringSourceOldName">
        <source>The old name</source>
        <translation>Dem alten Namen</translation>
    </message>
    <message id="PrefsPresuffixNone">
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message id="PrefsPresuffixAsk">
        <source>Ask for each file</source>
        <translation>Für jede Datei fragen</translation>
    </message>
    <message id="PrefsPresuffixPrefix">
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message id="PrefsPresuffixSuffix">
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message id="PrefsPresuffixBoth">
        <source>Prefix and suffix</source>
        <translation>Präfix und Suffix</translation>
    </message>
    <message id="PrefsWindowTitle">
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="PrefsConfirmEachFile">
        <source>Confirm &amp;each file</source>
        <translation>Jede Datei &amp;einzeln bestätigen</translation>
    </message>
    <message id="PrefsShowNamesFirst">
        <source>Show the &amp;names before renaming</source>
        <translation>&amp;Namen vor dem Umbenennen zeigen</translation>
    </message>
    <message id="PrefsShowAdvancedOptions">
        <source>Show ad&amp;vanced options</source>
        <translation>&amp;Weitere Optionen zeigen</translation>
    </message>
    <message id="PrefsTabRenaming">
        <source>Renaming</source>
        <translation>Umbenennen</translation>
    </message>
    <message id="PrefsTabMoving">
        <source>Moving</source>
        <translation>Verschieben</translation>
    </message>
    <message id="PrefsTabAfterwards">
        <source>Afterwards</source>
        <translation>Danach</translation>
    </message>
    <message id="PrefsTabDeleting">
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
    <message id="PrefsCloseButton">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="PrefsFileStylesBox">
        <source>File Names</source>
        <translation>Dateinamen</translation>
    </message>
    <message id="PrefsEditFileStylesButton">
        <source>E&amp;dit Styles…</source>
        <translation>Stile bearbe&amp;iten …</translation>
    </message>
    <message id="PrefsStyleLabel">
        <source>Naming &amp;style:</source>
        <translation>Benennungs&amp;stil:</translation>
    </message>
    <message id="PrefsPresuffixLabel">
        <source>Prefix and s&amp;uffix:</source>
        <translation>Präfix und S&amp;uffix:</translation>
    </message>
    <message id="PrefsSuffixLabel">
        <source>Su&amp;ffix:</source>
        <translation>Su&amp;ffix:</translation>
    </message>
    <message id="PrefsPrefixLabel">
        <source>&amp;Prefix:</source>
        <translation>&amp;Präfix:</translation>
    </message>
    <message id="PrefsIdenticalBox">
        <source>When a name is taken</source>
        <translation>Wenn ein Name schon vergeben ist</translation>
    </message>
    <message id="PrefsIdenticalShiftSecond">
        <source>Add a second, or else count up</source>
        <translation>Eine Sekunde addieren, sonst hochzählen</translation>
    </message>
    <message id="PrefsIdenticalCounter">
        <source>Always count up</source>
        <translation>Immer hochzählen</translation>
    </message>
    <message id="PrefsChangeCreationDate">
        <source>Set the file&apos;s creation date to the capture date</source>
        <translation>Erstellungsdatum der Datei auf das Aufnahmedatum setzen</translation>
    </message>
    <message id="PrefsAlertNameLength">
        <source>Warn about names longer than &amp;31 characters</source>
        <translation>Bei Namen über &amp;31 Zeichen warnen</translation>
    </message>
    <message id="PrefsCreatorCheckBox">
        <source>Set the creator &amp;code:</source>
        <translation>&amp;Creator-Code setzen:</translation>
    </message>
    <message id="PrefsCreatorAccessible">
        <source>Creator code</source>
        <translation>Creator-Code</translation>
    </message>
    <message id="PrefsCreatorGetFile">
        <source>Ta&amp;ke from File…</source>
        <oldsource>Take &amp;from File…</oldsource>
        <translation>Aus Datei &amp;lesen …</translation>
    </message>
    <message id="PrefsDownloadInPlace">
        <source>Rename the files where they are</source>
        <translation>Dateien an ihrem Ort umbenennen</translation>
    </message>
    <message id="PrefsDownloadToFolder">
        <source>Move them into the folder below</source>
        <translation>In den Ordner unten verschieben</translation>
    </message>
    <message id="PrefsDownloadToDatedFolder">
        <source>Move them into a new dated folder inside it</source>
        <translation>In einen neuen, datierten Ordner darin verschieben</translation>
    </message>
    <message id="PrefsDownloadChooseFolder">
        <source>C&amp;hoose…</source>
        <translation>Wä&amp;hlen …</translation>
    </message>
    <message id="PrefsDownloadFolderLabel">
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message id="PrefsDownloadEditStyles">
        <source>Edit Folder S&amp;tyles…</source>
        <translation>Ordnerstile bearbei&amp;ten …</translation>
    </message>
    <message id="PrefsDownloadStyleLabel">
        <source>Fo&amp;lder name:</source>
        <translation>Ordner&amp;benennung:</translation>
    </message>
    <message id="PrefsDownloadPresuffixLabel">
        <source>Folder prefi&amp;x and suffix:</source>
        <translation>Ordner-Präfi&amp;x und -Suffix:</translation>
    </message>
    <message id="PrefsOpenFiles">
        <source>&amp;Open the files afterwards</source>
        <translation>Dateien danach &amp;öffnen</translation>
    </message>
    <message id="PrefsOpenFilesWithLabel">
        <source>With the &amp;application:</source>
        <translation>Mit der &amp;Anwendung:</translation>
    </message>
    <message id="PrefsOpenFilesChooseProgram">
        <source>Choose a Pro&amp;gram…</source>
        <oldsource>Choose a &amp;Program…</oldsource>
        <translation>Pro&amp;gramm wählen …</translation>
    </message>
    <message id="PrefsOpenFilesChosenLabel">
        <source>Opens with:</source>
        <translation>Öffnet mit:</translation>
    </message>
    <message id="PrefsQuitAfterAutoProcessing">
        <source>&amp;Quit after renaming what was dropped on the application</source>
        <translation>Nach dem Umbenennen abgelegter Dateien been&amp;den</translation>
    </message>
    <message id="PrefsOpenFilesPickApplication">
        <source>Choose an application…</source>
        <translation>Anwendung auswählen …</translation>
    </message>
    <message id="PrefsDeleteNone">
        <source>Delete no files</source>
        <translation>Keine Dateien löschen</translation>
    </message>
    <message id="PrefsDeleteMatching">
        <source>Move files matching a pattern to the trash</source>
        <translation>Dateien, die einem Muster entsprechen, in den Papierkorb verschieben</translation>
    </message>
    <message id="PrefsDeleteSmaller">
        <source>Move files smaller than the size to the trash</source>
        <translation>Dateien unter der Größe in den Papierkorb verschieben</translation>
    </message>
    <message id="PrefsDeleteSmallerNotMatching">
        <source>Move small files not matching a pattern to the trash</source>
        <translation>Kleine Dateien, die keinem Muster entsprechen, in den Papierkorb verschieben</translation>
    </message>
    <message id="PrefsDeleteMatchingOrSmaller">
        <source>Move files matching a pattern or small files to the trash</source>
        <translation>Dateien, die einem Muster entsprechen, und kleine Dateien in den Papierkorb verschieben</translation>
    </message>
    <message id="PrefsDeletePatternsLabel">
        <source>Patte&amp;rns:</source>
        <oldsource>Pa&amp;tterns:</oldsource>
        <translation>&amp;Muster:</translation>
    </message>
    <message id="PrefsDeleteAddPattern">
        <source>Ne&amp;w</source>
        <oldsource>&amp;Add</oldsource>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message id="PrefsDeleteRemovePattern">
        <source>Re&amp;move</source>
        <oldsource>&amp;Remove</oldsource>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message id="PrefsDeleteExplain">
        <source>Expla&amp;in…</source>
        <oldsource>E&amp;xplain…</oldsource>
        <translation>Er&amp;klären …</translation>
    </message>
    <message id="PrefsDeleteSizeLabel">
        <source>Si&amp;ze below:</source>
        <translation>Grö&amp;ße unter:</translation>
    </message>
    <message id="PrefsDeleteSizeUnit">
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message id="PrefsDeleteExplanationTitle">
        <source>Deleting Files</source>
        <translation>Dateien löschen</translation>
    </message>
    <message id="PrefsDeleteExplanationText">
        <source>After renaming, the files that match the rule you chose are moved to the trash, so you can get them back from there. A pattern such as *.thm matches by name; the size is in kilobytes.</source>
        <translation>Nach dem Umbenennen werden die Dateien, auf die die gewählte Regel zutrifft, in den Papierkorb verschoben; von dort können Sie sie zurückholen. Ein Muster wie *.thm trifft nach dem Namen zu; die Größe ist in Kilobyte angegeben.</translation>
    </message>
    <message id="PrefsChooseFolderTitle">
        <source>Choose the Folder to Move the Files Into</source>
        <translation>Ordner zum Verschieben der Dateien wählen</translation>
    </message>
    <message id="PrefsChooseFileTitle">
        <source>Choose a File</source>
        <translation>Datei wählen</translation>
    </message>
    <message id="PayPal_LC_Identifier">
        <source>US</source>
        <translation>DE</translation>
    </message>
    <message id="UpdateNetworkUnreachableTitle">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="UpdateNetworkUnreachableText">
        <source>Network not reachable!</source>
        <translation>Das Netzwerk ist nicht erreichbar!</translation>
    </message>
    <message id="UpdateNetworkUnreachableOk">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="UpdateNoUpdateAvailableText">
        <source>Currently up-to-date!</source>
        <translation>Sie sind auf dem neuesten Stand!</translation>
    </message>
    <message id="UpdateNoUpdateAvailableTitle">
        <source>No Update</source>
        <translation>Keine Aktualisierung</translation>
    </message>
    <message id="UpdateNoUpdateAvailableOk">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="UpdateWebUpdateAvailableTitle">
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message id="UpdateWebUpdateAvailableText">
        <source>Web: %1 / This: %2 -&gt; Visit web site?</source>
        <translation>Web: %1 / Diese: %2 – Website besuchen?</translation>
    </message>
    <message id="UpdateWebUpdateAvailableYes">
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message id="UpdateWebUpdateAvailableNo">
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message id="AboutTitle">
        <source>About Lumenscribe</source>
        <translation>Über Lumenscribe</translation>
    </message>
    <message id="AboutPurpose">
        <source>Renames photos and movies by the date they were taken.</source>
        <translation>Benennt Fotos und Filme nach dem Zeitpunkt ihrer Aufnahme um.</translation>
    </message>
    <message id="AboutMailButton">
        <source>Write to Support…</source>
        <translation>An den Support schreiben …</translation>
    </message>
    <message id="AboutWebsiteButton">
        <source>Visit Web Site</source>
        <translation>Website besuchen</translation>
    </message>
    <message id="AboutDonateButton">
        <source>Donate…</source>
        <translation>Spenden …</translation>
    </message>
    <message id="AboutDonationInfoButton">
        <source>Donation Information…</source>
        <translation>Informationen zur Spende …</translation>
    </message>
    <message id="AboutVersion">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="DonationTitle">
        <source>Donation Information</source>
        <translation>Informationen zur Spende</translation>
    </message>
    <message id="DonationText">
        <source>Lumenscribe is free. If it saves you time sorting your photos, please consider a small donation: it keeps the program maintained and improved.</source>
        <translation>Lumenscribe ist kostenlos. Wenn es Ihnen Zeit beim Ordnen Ihrer Fotos spart, denken Sie bitte über eine kleine Spende nach: Sie hilft, das Programm zu pflegen und weiterzuentwickeln.</translation>
    </message>
    <message id="DonationDonateButton">
        <source>Donate…</source>
        <translation>Spenden …</translation>
    </message>
    <message id="DonationUnderstand">
        <source>I Understand</source>
        <translation>Verstanden</translation>
    </message>
    <message id="MenuCheckingForUpdates">
        <source>Checking for Updates…</source>
        <translation>Suche nach Aktualisierungen …</translation>
    </message>
    <message id="MainDropCopiesToFolder">
        <source>Dropped files are copied to %1 under their new names.</source>
        <translation>Abgelegte Dateien werden unter ihrem neuen Namen nach %1 kopiert.</translation>
    </message>
    <message id="MainDropCopiesToDatedFolder">
        <source>Dropped files are copied into a new dated folder in %1.</source>
        <translation>Abgelegte Dateien werden in einen neuen datierten Ordner in %1 kopiert.</translation>
    </message>
    <message id="MainDropCopiesByDay">
        <source>Dropped files are copied into folders by capture day in %1.</source>
        <translation>Abgelegte Dateien werden in Ordner nach Aufnahmetag in %1 kopiert.</translation>
    </message>
    <message id="MainDropMovesByDay">
        <source>Dropped files are moved into folders by capture day in %1.</source>
        <translation>Abgelegte Dateien werden in Ordner nach Aufnahmetag in %1 verschoben.</translation>
    </message>
    <message id="MainDropCopiesInPlace">
        <source>Dropped files are copied beside themselves under their new names.</source>
        <translation>Abgelegte Dateien werden unter ihrem neuen Namen daneben kopiert.</translation>
    </message>
    <message id="PrefsTabDates">
        <source>Dates</source>
        <translation>Datum und Zeit</translation>
    </message>
    <message id="PrefsNamePairsTogether">
        <source>Give pairs one na&amp;me (RAW and JPEG, Live Photos)</source>
        <oldsource>Give pairs one name (RAW and JPEG, Live Photos)</oldsource>
        <translation>Paaren einen gemeinsa&amp;men Namen geben (RAW und JPEG, Live Photos)</translation>
    </message>
    <message id="PrefsOnlyPhotosAndMovies">
        <source>Rename onl&amp;y photos and movies</source>
        <oldsource>Rename only photos and mo&amp;vies</oldsource>
        <translation>Nur Fotos und Filme um&amp;benennen</translation>
    </message>
    <message id="PrefsDownloadByDay">
        <source>Move them into folders by capture day inside it</source>
        <translation>In Ordner nach Aufnahmetag darin verschieben</translation>
    </message>
    <message id="PrefsCopyInsteadOfMoving">
        <source>Cop&amp;y instead of moving: the originals stay where they are</source>
        <translation>&amp;Kopieren statt verschieben: die Originale bleiben, wo sie sind</translation>
    </message>
    <message id="PrefsTimeShiftPlaceholder">
        <source>none; for example +1h, -0:00:05, +2d3h</source>
        <translation>keine; zum Beispiel +1h, -0:00:05, +2d3h</translation>
    </message>
    <message id="PrefsTimeShiftLabel">
        <source>Shift every date &amp;by:</source>
        <oldsource>&amp;Shift every date by:</oldsource>
        <translation>Jedes Datum &amp;verschieben um:</translation>
    </message>
    <message id="PrefsNameZoneLabel">
        <source>Movie times in the &amp;zone:</source>
        <translation>Filmzeiten in der &amp;Zeitzone:</translation>
    </message>
    <message id="PrefsModelShiftLabel">
        <source>Shift by ca&amp;mera model:</source>
        <translation>Verschiebung je &amp;Kameramodell:</translation>
    </message>
    <message id="PrefsModelShiftModel">
        <source>Camera model</source>
        <translation>Kameramodell</translation>
    </message>
    <message id="PrefsModelShiftShift">
        <source>Shift</source>
        <translation>Verschiebung</translation>
    </message>
    <message id="PrefsModelShiftNew">
        <source>Ne&amp;w</source>
        <oldsource>&amp;New</oldsource>
        <translation>Hinzufü&amp;gen</translation>
    </message>
    <message id="PrefsModelShiftRemove">
        <source>Re&amp;move</source>
        <oldsource>Remo&amp;ve</oldsource>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message id="PrefsNameZoneLocal">
        <source>This computer&apos;s zone</source>
        <translation>Zeitzone dieses Computers</translation>
    </message>
    <message id="PrefsNameZoneCamera">
        <source>The zone the file names, else this computer&apos;s</source>
        <translation>Die Zeitzone aus der Datei, sonst die dieses Computers</translation>
    </message>
    <message id="PrefsNameZoneToolTip">
        <source>Movies keep their time in UTC, and some photos say their zone: their names give the time in this zone. Photos that say no zone keep the camera&apos;s time.</source>
        <translation>Filme speichern ihre Zeit in UTC, und manche Fotos nennen ihre Zeitzone: Ihre Namen zeigen die Zeit in dieser Zone. Fotos ohne Zeitzone behalten die Zeit der Kamera.</translation>
    </message>
    <message id="CliRunTargetsExclusiveByDay">
        <source>--in-place, --move-to, --dated-folder and --by-day exclude each other</source>
        <translation>--in-place, --move-to, --dated-folder und --by-day schließen einander aus</translation>
    </message>
    <message id="CliRunOptionByDay">
        <source>Move the files into folders of DIR named by each file&apos;s capture day.</source>
        <translation>Die Dateien in Ordner von DIR verschieben, die nach dem Aufnahmetag jeder Datei benannt sind.</translation>
    </message>
    <message id="CliRunOptionCopy">
        <source>Copy the files to their new names; the originals stay as they are.</source>
        <translation>Die Dateien unter ihren neuen Namen kopieren; die Originale bleiben unverändert.</translation>
    </message>
    <message id="CliRunSummaryCopies">
        <source>%1 of them as copies, the originals kept</source>
        <translation>%1 davon als Kopien, die Originale behalten</translation>
    </message>
    <message id="NormalInfoCopyProgress">
        <source>%1 of %2 files, %3 MB of %4 MB</source>
        <translation>%1 von %2 Dateien, %3 MB von %4 MB</translation>
    </message>
    <message id="AlertPanelDayFolderRefused">
        <source>The folder style makes the folder name &quot;%1&quot;, which cannot be used: an empty part, &quot;.&quot; or &quot;..&quot;, or a part the name check refuses.</source>
        <translation>Der Ordnerstil ergibt den Ordnernamen „%1“, der nicht verwendet werden kann: ein leerer Teil, „.“ oder „..“ oder ein Teil, den die Namensprüfung ablehnt.</translation>
    </message>
    <message id="AlertPanelDayFolderCreateError">
        <source>The folder %1 could not be created (%2).</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message id="CliRunUnknownZone">
        <source>unknown zone &apos;%1&apos;: use local, camera or a zone name such as Europe/Berlin</source>
        <translation>unbekannte Zone &apos;%1&apos;: local, camera oder einen Zonennamen wie Europe/Berlin angeben</translation>
    </message>
    <message id="CliRunOptionZone">
        <source>Name by the clock of ZONE: local (the default), camera, or a zone such as Europe/Berlin.</source>
        <translation>Nach der Uhr von ZONE benennen: local (Vorgabe), camera oder eine Zone wie Europe/Berlin.</translation>
    </message>
    <message id="StylesCodeSubSecond">
        <source>Fraction of the second (%3f: three digits)</source>
        <translation>Bruchteil der Sekunde (%3f: drei Ziffern)</translation>
    </message>
    <message id="CliDateOptionShift">
        <source>Shift the capture dates by SHIFT, as a run with --shift would.</source>
        <translation>Die Aufnahmedaten um SHIFT verschieben, wie es ein Lauf mit --shift täte.</translation>
    </message>
    <message id="CliDateOptionShiftModel">
        <source>Shift one camera&apos;s capture dates as well, as a run with --shift-model would.</source>
        <translation>Zusätzlich die Aufnahmedaten einer Kamera verschieben, wie es ein Lauf mit --shift-model täte.</translation>
    </message>
    <message id="CliRunTimeShift">
        <source>time shift %1</source>
        <translation>Zeitverschiebung %1</translation>
    </message>
    <message id="CliRunOptionShift">
        <source>Shift every capture date by SHIFT, for a camera clock that was wrong (+1h, -30m, +2d3h, -0:00:05).</source>
        <translation>Jedes Aufnahmedatum um SHIFT verschieben, für eine falsch gestellte Kamerauhr (+1h, -30m, +2d3h, -0:00:05).</translation>
    </message>
    <message id="CliRunOptionShiftModel">
        <source>Shift the capture dates of one camera&apos;s files as well: &quot;MODEL=SHIFT&quot; (repeatable; in place of a stored shift for that model).</source>
        <translation>Die Aufnahmedaten der Dateien einer Kamera zusätzlich verschieben: &quot;MODEL=SHIFT&quot; (mehrfach möglich; ersetzt eine gespeicherte Verschiebung für dieses Modell).</translation>
    </message>
    <message id="CliRunShifted">
        <source>shifted %1</source>
        <translation>verschoben %1</translation>
    </message>
    <message id="CliShiftTooLarge">
        <source>&apos;%1&apos; shifts by more than 100 years</source>
        <translation>&apos;%1&apos; verschiebt um mehr als 100 Jahre</translation>
    </message>
    <message id="CliShiftMalformed">
        <source>&apos;%1&apos; is not a time shift: write it as +1h, -30m, +2d3h, +90s, +1:30 or -0:00:05</source>
        <translation>&apos;%1&apos; ist keine Zeitverschiebung: schreiben Sie sie als +1h, -30m, +2d3h, +90s, +1:30 oder -0:00:05</translation>
    </message>
    <message id="CliShiftNotModelEntry">
        <source>&apos;%1&apos; is not MODEL=SHIFT, such as &quot;Canon EOS R6=-5s&quot;</source>
        <translation>&apos;%1&apos; hat nicht die Form MODELL=VERSCHIEBUNG, etwa &quot;Canon EOS R6=-5s&quot;</translation>
    </message>
    <message id="CliShiftModelRepeated">
        <source>the camera model of &apos;%1&apos; has a shift already</source>
        <translation>das Kameramodell von &apos;%1&apos; hat bereits eine Verschiebung</translation>
    </message>
    <message id="CliRunOptionNoPairs">
        <source>Name files that share a base name (RAW+JPEG, Live Photos) each on its own.</source>
        <translation>Dateien mit gleichem Grundnamen (RAW+JPEG, Live Photos) jede für sich benennen.</translation>
    </message>
    <message id="CliRunOptionOnlyMedia">
        <source>Skip files that are neither photos nor movies by their content.</source>
        <translation>Dateien überspringen, die ihrem Inhalt nach weder Fotos noch Filme sind.</translation>
    </message>
    <message id="MainTableShiftedDate">
        <source>%1 (shifted %2)</source>
        <translation>%1 (verschoben um %2)</translation>
    </message>
</context>
</TS>
