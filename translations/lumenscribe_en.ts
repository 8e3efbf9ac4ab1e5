<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="AlertPanelTitle">
        <source>Lumenscribe</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelOkButton">
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelFolderCreateError">
        <source>The new download folder could not be created. No file was renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelFolderReadError">
        <source>%1 could not be read; what is in it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelFileDeleteError">
        <source>The file %1 could not be deleted. It was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelTrashNotOwn">
        <source>the trash folder on that disk is not yours alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelFileMove">
        <source>The file %1 could not be moved to %2. It was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelFileCreatorCodeError">
        <source>The creator code of %1 could not be set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelFileCreationDateError">
        <source>The creation date of %1 could not be set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelJournalError">
        <source>The run&apos;s journal could not be written (%1). The run stops, so that every step it took can still be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NormalInfoRenamingDone">
        <source>Renaming done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NormalInfoRenamingAborted">
        <source>Renaming aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFileNameError">
        <source>The new name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFileNameTooLong">
        <source>The new name is longer than 31 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFileAlreadyExists">
        <source>A file of this name already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFileNameNotAcceptable">
        <source>The new name is not acceptable: it may not contain &quot;/&quot;, and may not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFileNameOk">
        <source>The new name is fine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFolderNameError">
        <source>The folder name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFolderNameTooLong">
        <source>The folder name is longer than 31 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFolderAlreadyExists">
        <source>A folder of this name already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFolderNameNotAcceptable">
        <source>The folder name is not acceptable: it may not contain &quot;/&quot;, and may not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFolderNameOk">
        <source>The folder name is fine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CorrectionNone">
        <source>no correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CorrectionSeconds">
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelOpenApplicationError">
        <source>The renamed files could not be opened with %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFileNameTooLongForFileSystem">
        <source>The new name is too long for the file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ConfirmFolderNameTooLongForFileSystem">
        <source>The folder name is too long for the file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="OpenFilesNone">
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamingStylesCustom">
        <source>Custom style: every change takes effect at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamingStylesBuiltIn">
        <source>Built-in style: it cannot be changed. Make a new style from it to change a copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="SettingsApplyFromNextRun">
        <source>Settings changed now apply from the next run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliConfigDescription">
        <source>Lists every setting with its value.
lumenscribe config set KEY VALUE sets one (VALUE a number, true/false or text; deleteFilesPatterns takes patterns separated by commas; fileCreatorID four characters such as 8BIM, or a number).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliOptionConfig">
        <source>Use this settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliConfigUsage">
        <source>use &apos;lumenscribe config&apos; or &apos;lumenscribe config set KEY VALUE&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliConfigUnknownSetting">
        <source>unknown setting &apos;%1&apos; (see lumenscribe config)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliConfigNotACreatorCode">
        <source>%1 takes four characters or a number from 0 to 4294967295, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliConfigNotANumber">
        <source>%1 takes a number or true/false, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliConfigNotAccepted">
        <source>%1 does not accept &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliSettingsNotSaved">
        <source>the settings could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpConfig">
        <source>List the settings, or set one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliCannotRead">
        <source>cannot read &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliDateDescription">
        <source>Prints each file&apos;s capture date as the rename run finds it: from the &quot;thm&quot; or &quot;THM&quot; companion, the file itself, or else the file&apos;s creation date. Folders are walked as a run walks them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliDateOptionJson">
        <source>One JSON object per file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliDateArgumentPath">
        <source>Files or folders to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliDateNoFile">
        <source>no file given (see lumenscribe date --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliCannotReadBecause">
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpDate">
        <source>Show the capture date of files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFileIsFolder">
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFileIsFifo">
        <source>it is a FIFO, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFileIsCharacterDevice">
        <source>it is a character device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFileIsBlockDevice">
        <source>it is a block device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFileIsSocket">
        <source>it is a socket, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFileNotRegular">
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpIntro">
        <source>Usage: lumenscribe [OPTIONS] PATH...
       lumenscribe COMMAND [OPTIONS]

Gives photos and movies names made from the moment they were taken.
With paths, renames them with the stored settings (see lumenscribe rename --help).

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpOptions">
        <source>
Options:
  -h, --help     Show this help.
  -v, --version  Show the version.

Run &apos;lumenscribe COMMAND --help&apos; for the options of one command.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameDescription">
        <source>Prints the name a naming style makes for a date, on one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameUnexpectedArgument">
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameExampleAndPopup">
        <source>--example and --popup cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameBadDate">
        <source>cannot read the date &apos;%1&apos; (use &quot;YYYY-MM-DD HH:MM:SS&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameSeqNotANumber">
        <source>--seq needs a whole number, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameIdenticalChoice">
        <source>--identical takes &apos;second&apos; or &apos;counter&apos;, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNotAFolder">
        <source>&apos;%1&apos; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpName">
        <source>Show the name a style makes for a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionFolder">
        <source>Use the folder styles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionDate">
        <source>Local date and time &quot;YYYY-MM-DD HH:MM:SS&quot; (default: now).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionFile">
        <source>The file being named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionIn">
        <source>Find a name not yet taken in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionPrefix">
        <source>Prefix written at %P.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionSuffix">
        <source>Suffix written at %S.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionSeq">
        <source>Sequence number written at %Q (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionIdentical">
        <source>When a name is taken: shift the &apos;second&apos; or count up (&apos;counter&apos;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionExample">
        <source>Print the example name (no prefix, suffix or search).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliNameOptionPopup">
        <source>Print the style&apos;s menu title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunDescription">
        <source>Renames photos and movies, and the files in folders, after the moment they were taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunArgumentPath">
        <source>Files or folders to rename.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliOptionWait">
        <source>Wait for a run or undo already going on to finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunNoFiles">
        <source>no files given (see lumenscribe --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunNoTerminalToAsk">
        <source>the settings ask to confirm every file, and there is no terminal to ask on: use --yes to rename without asking, or --dry-run to see the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunNoSuchPath">
        <source>%1: no such file or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunNoFolderStyle">
        <source>no folder style number &apos;%1&apos; (see lumenscribe styles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpRename">
        <source>Rename photos and movies (the default: lumenscribe PATH...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionDryRun">
        <source>Show the plan; touch no file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionYes">
        <source>Rename without asking (files whose name fails the check are left).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionAsk">
        <source>Ask on standard input even when it is not a terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionFolderStyle">
        <source>Folder style N for --dated-folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionInPlace">
        <source>Rename files where they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionMoveTo">
        <source>Move the files into DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionDatedFolder">
        <source>Move the files into a new dated folder in DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionPrefix">
        <source>Prefix for the new names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionSuffix">
        <source>Suffix for the new names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionJson">
        <source>One JSON object per file on stdout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliLockAnotherProcess">
        <source>another process</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliLockProcess">
        <source>process %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliLockHeld">
        <source>another run or undo is going on (%1, lock %2); use --wait to wait for it</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliLockWaiting">
        <source>waiting for %1 to finish its run or undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSummaryDryRun">
        <source>would rename %1, deleted %2, skipped %3, failed %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSummary">
        <source>renamed %1, deleted %2, skipped %3, failed %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSummaryUnchanged">
        <source>%1 unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSummaryNeedConfirmation">
        <source>%1 need confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSummaryWithoutCaptureDate">
        <source>%1 without capture date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSummaryAborted">
        <source>aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunNoDate">
        <source>no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunNoCaptureDate">
        <source>no capture date: named by its file time</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunTimeUnknown">
        <source>time unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunWouldDelete">
        <source>would delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunDeleted">
        <source>deleted %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSkipped">
        <source>skipped %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSkippedBecause">
        <source>skipped %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunWouldFail">
        <source>would fail %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunFailed">
        <source>failed %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunNeedsConfirmation">
        <source>needs confirmation %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunUnchanged">
        <source>unchanged %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunCompanionWouldFail">
        <source>with %1 would fail: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunCompanionFailed">
        <source>with %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunCompanion">
        <source>with %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliSettingsProblem">
        <source>%1; starting from the initial settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleUnknownSetting">
        <source>unknown style setting &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleSettingNotAccepted">
        <source>style setting %1 does not accept &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleStyleAndFormat">
        <source>--style and --format cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleNoFolderStyle">
        <source>no folder style number &apos;%1&apos; (there are %2; see lumenscribe styles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleNoFileStyle">
        <source>no file style number &apos;%1&apos; (there are %2; see lumenscribe styles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleOptionStyle">
        <source>Use style number N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleOptionFormat">
        <source>Use a new style with this format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStyleOptionSet">
        <source>Set a style setting, e.g. timeFormat=1 (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesNoStyle">
        <source>no style number &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesBuiltIn">
        <source>style %1 is built in and cannot be changed; &apos;styles add --from %1&apos; makes a copy to change</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesDescription">
        <source>Lists every file and folder style: number, kind, built-in or custom, the name it gives DSC_1234.jpg, and its format; with --folder the folder styles only.
  styles add [--folder] (--format FMT | --from N) [--set KEY=VALUE]...
  styles set [--folder] N KEY=VALUE...
  styles delete [--folder] N</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesOptionFolder">
        <source>Work on the folder styles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesOptionFrom">
        <source>Start from style N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesUnknownAction">
        <source>unknown action &apos;%1&apos; (add, set or delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesKindFolder">
        <source>folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesKindFile">
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesBuiltInStyle">
        <source>built-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesCustomStyle">
        <source>custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesAddUsage">
        <source>add takes either --format FMT or --from N</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesAddedFolder">
        <source>added folder style %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesAddedFile">
        <source>added file style %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesSetUsage">
        <source>use: styles set N KEY=VALUE...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliStylesDeleteUsage">
        <source>use: styles delete N</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpStyles">
        <source>List and manage the naming styles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliWarningNoSuffix">
        <source>warning: the format &quot;%1&quot; has no %F, so the new names have no file type suffix (IMG_0042.JPG would lose its .jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliTagsDescription">
        <source>Prints every tag the metadata reader finds in FILE, sorted by key: one &quot;KEY&lt;TAB&gt;VALUE&quot; line each, or one JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliTagsOptionJson">
        <source>One JSON object of key and value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliTagsArgumentFile">
        <source>The file to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliTagsOneFile">
        <source>give exactly one file (see lumenscribe tags --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpTags">
        <source>Show the metadata tags of a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliPromptFileChoices">
        <source>[r]ename, rename [a]ll, [s]kip, a[b]ort, [e]dit the name, [c]orrect the date?</source>
        <extracomment>The letters in brackets are the answers typed: keep r, a, s, b, e and c.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliPromptFileTaken">
        <source>taken %1 (correction: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliPromptNameUnusable">
        <source>This name cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliPromptNewName">
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliPromptRightDate">
        <source>The right date for this file (YYYY-MM-DD HH:MM:SS); the correction then holds for the files that follow:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliPromptNotADate">
        <source>That is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFolderNeedsConfirmation">
        <source>the download folder name &quot;%1&quot; needs confirmation (%2); nothing was renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFolderNewFolder">
        <source>New download folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFolderChoices">
        <source>[o]k, [e]dit the name, a[b]ort?</source>
        <extracomment>The letters in brackets are the answers typed: keep o, e and b.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliFolderName">
        <source>Folder name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoDescription">
        <source>Takes back a run: every file returns to its old name where that name is free and its new name still holds it; deleted files come back from the trash. Nothing is overwritten; what cannot be taken back is listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoOptionDryRun">
        <source>Show what would be taken back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoOptionList">
        <source>List the runs kept, newest first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoArgumentRun">
        <source>The run to take back (default: the last).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoOneRunAtMost">
        <source>takes one run at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoNothingToUndo">
        <source>no run to take back</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoNoSuchRun">
        <source>no run &apos;%1&apos; (see lumenscribe undo --list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoAlreadyUndone">
        <source>run %1 was taken back already; lumenscribe undo --list shows the runs kept, and lumenscribe undo RUN takes back an older one</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoNotUndone">
        <source>not undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoSummaryDryRun">
        <source>would restore %1, not undone %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoSummary">
        <source>restored %1, not undone %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoListUndone">
        <source>undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoListStopped">
        <source>stopped part way</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoListPartlyUndone">
        <source>partly undone: %1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliUndoListFiles">
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliHelpUndo">
        <source>Take back the last run (or a named one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelRunLocked">
        <source>Another rename run or undo is going on (process %1). Nothing was renamed; drop the files again when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelRunLockFailed">
        <source>The lock that keeps to one run at a time could not be taken (%1). Nothing was renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropMovesToFolder">
        <source>Dropped files are moved to %1 under their new names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropMovesToDatedFolder">
        <source>Dropped files are moved into a new dated folder in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropRenamesInPlace">
        <source>Dropped files are renamed where they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainUndoLastRun" numerus="yes">
        <source>Undo the last run (%n file(s))</source>
        <translation>
            <numerusform>Undo the last run (%n file)</numerusform>
            <numerusform>Undo the last run (%n files)</numerusform>
        </translation>
    </message>
    <message id="MainUndoNothing">
        <source>Undo the last run</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainUndoQuestion" numerus="yes">
        <source>Put the %n file(s) of the run of %1 back under their old names? Files deleted by the run come back from the trash.</source>
        <translation>
            <numerusform>Put the %n file of the run of %1 back under its old name? Files deleted by the run come back from the trash.</numerusform>
            <numerusform>Put the %n files of the run of %1 back under their old names? Files deleted by the run come back from the trash.</numerusform>
        </translation>
    </message>
    <message id="MainTableNoDate">
        <source>no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainTableFileDate">
        <source>%1 (file date)</source>
        <oldsource>%1 (file date: no capture date found)</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainTableThmDate">
        <source>%1 (from its THM file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainTableNeedsConfirmation">
        <source>needs confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainTableUnchanged">
        <source>already named so</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainTableDeleted">
        <source>would be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertListAccessibleName">
        <source>Further problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertMoreProblems" numerus="yes">
        <source>%n more problem(s):</source>
        <translation>
            <numerusform>%n more problem:</numerusform>
            <numerusform>%n more problems:</numerusform>
        </translation>
    </message>
    <message id="DropAreaHint">
        <source>Drop photos, movies or folders here</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="DropAreaOpenFiles">
        <source>Open &amp;Files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="DropAreaOpenFolder">
        <source>Open F&amp;older…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="GuiDescription">
        <source>Gives photos and movies names made from the moment they were taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="GuiPathsArgument">
        <source>Photos, movies or folders to rename; without them the main window opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainUndoNothingButton">
        <source>&amp;Undo the last run</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuFile">
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuOpenFiles">
        <source>&amp;Open Files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuOpenFolder">
        <source>Open F&amp;older…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuUndoLastRun">
        <source>&amp;Undo Last Run…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuQuit">
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuSettings">
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuPreferences">
        <source>&amp;Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuHelp">
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuAbout">
        <source>&amp;About Lumenscribe</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuCheckForUpdates">
        <source>Check for &amp;Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuDonationInformation">
        <source>&amp;Donation Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainShowNamesFirst">
        <source>Show the &amp;names before renaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainFileStyleLabel">
        <source>File &amp;style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainFolderStyleLabel">
        <source>F&amp;older style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesTableAccessibleName">
        <source>Names the files will get</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesRenameButton">
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesClearButton">
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesPlanning">
        <source>Working out the names…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesCount" numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message id="OpenFilesCaption">
        <source>Open Photos and Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="OpenFolderCaption">
        <source>Open a Folder of Photos and Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UndoNothing">
        <source>There is no run left to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UndoDone" numerus="yes">
        <source>%n file(s) put back.</source>
        <translation>
            <numerusform>%n file put back.</numerusform>
            <numerusform>%n files put back.</numerusform>
        </translation>
    </message>
    <message id="UndoPartly" numerus="yes">
        <source>%n file(s) put back. These could not be put back:</source>
        <translation>
            <numerusform>%n file put back. These could not be put back:</numerusform>
            <numerusform>%n files put back. These could not be put back:</numerusform>
        </translation>
    </message>
    <message id="UndoLocked">
        <source>A rename run or undo is going on. Try again when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UndoFailed">
        <source>The run could not be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesColumnOldName">
        <source>Name now</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesColumnDate">
        <source>Capture date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesColumnNewName">
        <source>New name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NamesColumnProblem">
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ProgressWindowTitle">
        <source>Lumenscribe: renaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ProgressBarAccessibleName">
        <source>Progress of the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ProgressAbortButton">
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwWindowTitle">
        <source>Confirm the New Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionEnableCheckBox">
        <source>&amp;Correct the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwShowPreviewCheckBox">
        <source>Show pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwOldNameLabel">
        <source>Current name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwResetNameButton">
        <source>R&amp;eset Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwResetNameToolTip">
        <source>Make the name again from the naming style</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwNewNameLabel">
        <source>&amp;New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwPresuffixNone">
        <source>No prefix or suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwPresuffixAsPreferences">
        <source>As in the preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwPresuffixPrefix">
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwPresuffixSuffix">
        <source>Suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwPresuffixBoth">
        <source>Prefix and suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwPresuffixLabel">
        <source>Prefi&amp;x and suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwSuffixLabel">
        <source>&amp;Suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwPrefixLabel">
        <source>&amp;Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionYearLabel">
        <source>&amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionMonthLabel">
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionDayLabel">
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionHoursLabel">
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionMinutesLabel">
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionSecondsLabel">
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionFileDateLabel">
        <source>File date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionDifferenceLabel">
        <source>Correction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionSetFileDateButton">
        <source>Set to &amp;File Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwCorrectionSetNowButton">
        <source>Set to N&amp;ow</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwAbortButton">
        <source>A&amp;bort</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwAbortToolTip">
        <source>Stop renaming: this file and the files after it keep their names</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwDontRenameButton">
        <source>&amp;Don&apos;t Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwRenameAllButton">
        <source>Rename &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwRenameAllToolTip">
        <source>Rename the files after this one without asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CiwRenameButton">
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwWindowTitle">
        <source>Name of the New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwResetNameButton">
        <source>R&amp;eset Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwNameLabel">
        <source>&amp;Folder name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwPresuffixNone">
        <source>No prefix or suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwPresuffixAsPreferences">
        <source>As in the preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwPresuffixPrefix">
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwPresuffixSuffix">
        <source>Suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwPresuffixBoth">
        <source>Prefix and suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwPresuffixLabel">
        <source>Prefi&amp;x and suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwSuffixLabel">
        <source>&amp;Suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwPrefixLabel">
        <source>&amp;Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwAbortButton">
        <source>A&amp;bort</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwAbortToolTip">
        <source>Stop: no folder is made and no file is renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FiwOkButton">
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PreviewImageAccessibleName">
        <source>Preview of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainTableNoCaptureDate">
        <source>no capture date found: named by the date of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeYear">
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeMonth">
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeDay">
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeHour">
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeMinute">
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSecond">
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeAmPm">
        <source>AM or PM (12-hour clock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeCounter">
        <source>Counter for names already taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSequence">
        <source>Sequence number</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeFileType">
        <source>File type suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeOldName">
        <source>Old name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeOldNameBase">
        <source>Old name without file type</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSubString1">
        <source>Substring 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSubString2">
        <source>Substring 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSubString3">
        <source>Substring 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSubString4">
        <source>Substring 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodePrefix">
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSuffix">
        <source>Suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodePercent">
        <source>Percent sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesProblemEmptyName">
        <source>This format makes an empty name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesProblemNoFileType">
        <source>Without %F the new names lose their file type suffix (such as .jpg).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFileWindowTitle">
        <source>File Naming Styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFolderWindowTitle">
        <source>Folder Naming Styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesDoneButton">
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesStyleLabel">
        <source>&amp;Style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesNewButton">
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesNewToolTip">
        <source>Make a new style as a copy of the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesDeleteButton">
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesNameBox">
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodePickerButton">
        <source>Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodePickerToolTip">
        <source>Insert a code at the cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFormatLabel">
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesExampleLabel">
        <source>E&amp;xample:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesTestFileLabel">
        <source>Example f&amp;ile:</source>
        <oldsource>Example &amp;file:</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCounterBox">
        <source>Counter for names already taken (%C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCounterDigitsLabel">
        <source>&amp;Digits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCounterFromZero">
        <source>Starts at 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCounterFromOne">
        <source>Starts at 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCounterOnlyShow">
        <source>&amp;Only when a name is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCounterPrefixLabel">
        <source>&amp;Before the counter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSequenceBox">
        <source>Sequence number (%Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSequenceNumberLabel">
        <source>Next n&amp;umber:</source>
        <oldsource>&amp;Next number:</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSequenceDigitsLabel">
        <source>Di&amp;gits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesTimeBox">
        <source>Hour (%h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesTime24">
        <source>24-hour clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesTime12Upper">
        <source>12-hour clock, AM and PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesTime12Lower">
        <source>12-hour clock, am and pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesDateSourceBox">
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesDateCaptureOrFile">
        <source>Capture date, else the file&apos;s date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesDateCaptureOnly">
        <source>Capture date only</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesDateFileOnly">
        <source>File&apos;s creation date only</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFileTypeBox">
        <source>File type suffix (%F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFileTypeAsIs">
        <source>As it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFileTypeLower">
        <source>Lower case</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFileTypeUpper">
        <source>Upper case</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesFileTypeDot">
        <source>With a do&amp;t before it</source>
        <oldsource>With a dot &amp;before it</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringBox">
        <source>Parts of the old name (%1U to %4U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringTypeHeader">
        <source>Take</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringAHeader">
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringBHeader">
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringSourceHeader">
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringFirst">
        <source>The first A characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringLast">
        <source>The last A characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringAllBut">
        <source>All but the first A characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringMiddle">
        <source>B characters from position A</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesSubStringSourceOldName">
        <source>The old name</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsPresuffixNone">
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsPresuffixAsk">
        <source>Ask for each file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsPresuffixPrefix">
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsPresuffixSuffix">
        <source>Suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsPresuffixBoth">
        <source>Prefix and suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsWindowTitle">
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsConfirmEachFile">
        <source>Confirm &amp;each file</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsShowNamesFirst">
        <source>Show the &amp;names before renaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsShowAdvancedOptions">
        <source>Show ad&amp;vanced options</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsTabRenaming">
        <source>Renaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsTabMoving">
        <source>Moving</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsTabAfterwards">
        <source>Afterwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsTabDeleting">
        <source>Deleting</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsCloseButton">
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsFileStylesBox">
        <source>File Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsEditFileStylesButton">
        <source>E&amp;dit Styles…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsStyleLabel">
        <source>Naming &amp;style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsPresuffixLabel">
        <source>Prefix and s&amp;uffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsSuffixLabel">
        <source>Su&amp;ffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsPrefixLabel">
        <source>&amp;Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsIdenticalBox">
        <source>When a name is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsIdenticalShiftSecond">
        <source>Add a second, or else count up</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsIdenticalCounter">
        <source>Always count up</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsChangeCreationDate">
        <source>Set the file&apos;s creation date to the capture date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsAlertNameLength">
        <source>Warn about names longer than &amp;31 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsCreatorCheckBox">
        <source>Set the creator &amp;code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsCreatorAccessible">
        <source>Creator code</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsCreatorGetFile">
        <source>Ta&amp;ke from File…</source>
        <oldsource>Take &amp;from File…</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadInPlace">
        <source>Rename the files where they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadToFolder">
        <source>Move them into the folder below</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadToDatedFolder">
        <source>Move them into a new dated folder inside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadChooseFolder">
        <source>C&amp;hoose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadFolderLabel">
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadEditStyles">
        <source>Edit Folder S&amp;tyles…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadStyleLabel">
        <source>Fo&amp;lder name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadPresuffixLabel">
        <source>Folder prefi&amp;x and suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsOpenFiles">
        <source>&amp;Open the files afterwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsOpenFilesWithLabel">
        <source>With the &amp;application:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsOpenFilesChooseProgram">
        <source>Choose a Pro&amp;gram…</source>
        <oldsource>Choose a &amp;Program…</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsOpenFilesChosenLabel">
        <source>Opens with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsQuitAfterAutoProcessing">
        <source>&amp;Quit after renaming what was dropped on the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsOpenFilesPickApplication">
        <source>Choose an application…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteNone">
        <source>Delete no files</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteMatching">
        <source>Move files matching a pattern to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteSmaller">
        <source>Move files smaller than the size to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteSmallerNotMatching">
        <source>Move small files not matching a pattern to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteMatchingOrSmaller">
        <source>Move files matching a pattern or small files to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeletePatternsLabel">
        <source>Patte&amp;rns:</source>
        <oldsource>Pa&amp;tterns:</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteAddPattern">
        <source>Ne&amp;w</source>
        <oldsource>&amp;Add</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteRemovePattern">
        <source>Re&amp;move</source>
        <oldsource>&amp;Remove</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteExplain">
        <source>Expla&amp;in…</source>
        <oldsource>E&amp;xplain…</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteSizeLabel">
        <source>Si&amp;ze below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteSizeUnit">
        <source>kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteExplanationTitle">
        <source>Deleting Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDeleteExplanationText">
        <source>After renaming, the files that match the rule you chose are moved to the trash, so you can get them back from there. A pattern such as *.thm matches by name; the size is in kilobytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsChooseFolderTitle">
        <source>Choose the Folder to Move the Files Into</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsChooseFileTitle">
        <source>Choose a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PayPal_LC_Identifier">
        <source>US</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateNetworkUnreachableTitle">
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateNetworkUnreachableText">
        <source>Network not reachable!</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateNetworkUnreachableOk">
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateNoUpdateAvailableText">
        <source>Currently up-to-date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateNoUpdateAvailableTitle">
        <source>No Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateNoUpdateAvailableOk">
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateWebUpdateAvailableTitle">
        <source>New Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateWebUpdateAvailableText">
        <source>Web: %1 / This: %2 -&gt; Visit web site?</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateWebUpdateAvailableYes">
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateWebUpdateAvailableNo">
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboutTitle">
        <source>About Lumenscribe</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboutPurpose">
        <source>Renames photos and movies by the date they were taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboutMailButton">
        <source>Write to Support…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboutWebsiteButton">
        <source>Visit Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboutDonateButton">
        <source>Donate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboutDonationInfoButton">
        <source>Donation Information…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboutVersion">
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="DonationTitle">
        <source>Donation Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="DonationText">
        <source>Lumenscribe is free. If it saves you time sorting your photos, please consider a small donation: it keeps the program maintained and improved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="DonationDonateButton">
        <source>Donate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="DonationUnderstand">
        <source>I Understand</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MenuCheckingForUpdates">
        <source>Checking for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropCopiesToFolder">
        <source>Dropped files are copied to %1 under their new names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropCopiesToDatedFolder">
        <source>Dropped files are copied into a new dated folder in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropCopiesByDay">
        <source>Dropped files are copied into folders by capture day in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropMovesByDay">
        <source>Dropped files are moved into folders by capture day in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainDropCopiesInPlace">
        <source>Dropped files are copied beside themselves under their new names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsTabDates">
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsNamePairsTogether">
        <source>Give pairs one na&amp;me (RAW and JPEG, Live Photos)</source>
        <oldsource>Give pairs one name (RAW and JPEG, Live Photos)</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsOnlyPhotosAndMovies">
        <source>Rename onl&amp;y photos and movies</source>
        <oldsource>Rename only photos and mo&amp;vies</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsDownloadByDay">
        <source>Move them into folders by capture day inside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsCopyInsteadOfMoving">
        <source>Cop&amp;y instead of moving: the originals stay where they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsTimeShiftPlaceholder">
        <source>none; for example +1h, -0:00:05, +2d3h</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsTimeShiftLabel">
        <source>Shift every date &amp;by:</source>
        <oldsource>&amp;Shift every date by:</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsNameZoneLabel">
        <source>Movie times in the &amp;zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsModelShiftLabel">
        <source>Shift by ca&amp;mera model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsModelShiftModel">
        <source>Camera model</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsModelShiftShift">
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsModelShiftNew">
        <source>Ne&amp;w</source>
        <oldsource>&amp;New</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsModelShiftRemove">
        <source>Re&amp;move</source>
        <oldsource>Remo&amp;ve</oldsource>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsNameZoneLocal">
        <source>This computer&apos;s zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsNameZoneCamera">
        <source>The zone the file names, else this computer&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PrefsNameZoneToolTip">
        <source>Movies keep their time in UTC, and some photos say their zone: their names give the time in this zone. Photos that say no zone keep the camera&apos;s time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunTargetsExclusiveByDay">
        <source>--in-place, --move-to, --dated-folder and --by-day exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionByDay">
        <source>Move the files into folders of DIR named by each file&apos;s capture day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionCopy">
        <source>Copy the files to their new names; the originals stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunSummaryCopies">
        <source>%1 of them as copies, the originals kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="NormalInfoCopyProgress">
        <source>%1 of %2 files, %3 MB of %4 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelDayFolderRefused">
        <source>The folder style makes the folder name &quot;%1&quot;, which cannot be used: an empty part, &quot;.&quot; or &quot;..&quot;, or a part the name check refuses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AlertPanelDayFolderCreateError">
        <source>The folder %1 could not be created (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunUnknownZone">
        <source>unknown zone &apos;%1&apos;: use local, camera or a zone name such as Europe/Berlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionZone">
        <source>Name by the clock of ZONE: local (the default), camera, or a zone such as Europe/Berlin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StylesCodeSubSecond">
        <source>Fraction of the second (%3f: three digits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliDateOptionShift">
        <source>Shift the capture dates by SHIFT, as a run with --shift would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliDateOptionShiftModel">
        <source>Shift one camera&apos;s capture dates as well, as a run with --shift-model would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunTimeShift">
        <source>time shift %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionShift">
        <source>Shift every capture date by SHIFT, for a camera clock that was wrong (+1h, -30m, +2d3h, -0:00:05).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionShiftModel">
        <source>Shift the capture dates of one camera&apos;s files as well: &quot;MODEL=SHIFT&quot; (repeatable; in place of a stored shift for that model).</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunShifted">
        <source>shifted %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliShiftTooLarge">
        <source>&apos;%1&apos; shifts by more than 100 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliShiftMalformed">
        <source>&apos;%1&apos; is not a time shift: write it as +1h, -30m, +2d3h, +90s, +1:30 or -0:00:05</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliShiftNotModelEntry">
        <source>&apos;%1&apos; is not MODEL=SHIFT, such as &quot;Canon EOS R6=-5s&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliShiftModelRepeated">
        <source>the camera model of &apos;%1&apos; has a shift already</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionNoPairs">
        <source>Name files that share a base name (RAW+JPEG, Live Photos) each on its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CliRunOptionOnlyMedia">
        <source>Skip files that are neither photos nor movies by their content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MainTableShiftedDate">
        <source>%1 (shifted %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
