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
</context>
</TS>
