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
        <translation>%1 konnte nicht gelesen werden; was darin ist, bleibt, wie es ist.</translation>
    </message>
    <message id="AlertPanelFileDeleteError">
        <source>The file %1 could not be deleted. It was left as it is.</source>
        <translation>Die Datei %1 konnte nicht gelöscht werden. Sie bleibt, wie sie ist.</translation>
    </message>
    <message id="AlertPanelTrashNotOwn">
        <source>the trash folder on that disk is not yours alone</source>
        <translation>der Papierkorb auf diesem Datenträger gehört nicht Ihnen allein</translation>
    </message>
    <message id="AlertPanelFileMove">
        <source>The file %1 could not be moved to %2. It was left as it is.</source>
        <translation>Die Datei %1 konnte nicht nach %2 bewegt werden. Sie bleibt, wie sie ist.</translation>
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
        <translation>Das Protokoll des Laufs konnte nicht geschrieben werden (%1). Der Lauf hält an, damit jeder Schritt rückgängig gemacht werden kann.</translation>
    </message>
    <message id="NormalInfoRenamingDone">
        <source>Renaming done.</source>
        <translation>Umbenennen fertig.</translation>
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
        <translation>Eine Datei dieses Namens gibt es schon.</translation>
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
        <translation>Einen Ordner dieses Namens gibt es schon.</translation>
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
        <translation>Eigener Stil: jede Änderung gilt sofort.</translation>
    </message>
    <message id="NamingStylesBuiltIn">
        <source>Built-in style: it cannot be changed. Make a new style from it to change a copy.</source>
        <translation>Mitgelieferter Stil: er kann nicht geändert werden. Ein neuer Stil daraus ist eine änderbare Kopie.</translation>
    </message>
    <message id="SettingsApplyFromNextRun">
        <source>Settings changed now apply from the next run.</source>
        <translation>Jetzt geänderte Einstellungen gelten ab dem nächsten Durchgang.</translation>
    </message>
</context>
</TS>
