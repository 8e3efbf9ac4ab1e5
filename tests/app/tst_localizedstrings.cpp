// The string table: languages, fallbacks and safe argument insertion.
#include "platform/LocalizedStrings.h"

#include <QTest>

using lumenscribe::LocalizedStrings;

class TestLocalizedStrings : public QObject
{
    Q_OBJECT

private slots:
    void languagesAndFallbacks()
    {
        const LocalizedStrings german(QStringLiteral("de_DE.UTF-8"));
        const LocalizedStrings english(QStringLiteral("en"));
        const LocalizedStrings klingon(QStringLiteral("tlh"));
        QCOMPARE(german.text(QStringLiteral("ConfirmFileNameOk")), QStringLiteral("Der neue Name ist in Ordnung."));
        QCOMPARE(klingon.text(QStringLiteral("ConfirmFileNameOk")), english.text(QStringLiteral("ConfirmFileNameOk")));
        QCOMPARE(english.text(QStringLiteral("NoSuchKey"), QStringLiteral("fallback")), QStringLiteral("fallback"));
        QCOMPARE(english.text(QStringLiteral("AlertPanelOkButton")), QStringLiteral("Ok"));
    }

    void everyKeyInBothLanguages()
    {
        const LocalizedStrings german(QStringLiteral("de"));
        const LocalizedStrings english(QStringLiteral("en"));
        for (const char* key :
             {"AlertPanelTitle", "AlertPanelFolderCreateError", "AlertPanelFileDeleteError", "AlertPanelFileMove",
              "AlertPanelFileCreatorCodeError", "AlertPanelFileCreationDateError", "AlertPanelJournalError",
              "NormalInfoRenamingDone", "NormalInfoRenamingAborted", "ConfirmFileNameError", "ConfirmFileNameTooLong",
              "ConfirmFileAlreadyExists", "ConfirmFolderNameError", "ConfirmFolderNameTooLong",
              "ConfirmFolderAlreadyExists", "ConfirmFolderNameOk", "CorrectionNone", "CorrectionSeconds"}) {
            const QString k = QString::fromLatin1(key);
            QVERIFY2(!english.text(k).isEmpty(), key);
            QVERIFY2(german.text(k) != english.text(k) || k == u"AlertPanelTitle", key);
        }
    }

    void argumentsAreInsertedAsTheyAre()
    {
        const LocalizedStrings english(QStringLiteral("en"));
        // A path holding "%2" or "%" must not be expanded again.
        const QString text = english.format(QStringLiteral("AlertPanelFileMove"),
                                            {QStringLiteral("/a/100%2.jpg"), QStringLiteral("/b/x%.jpg")});
        QVERIFY(text.contains(QStringLiteral("/a/100%2.jpg")));
        QVERIFY(text.contains(QStringLiteral("/b/x%.jpg")));
        QCOMPARE(text.count(QStringLiteral("/b/x%.jpg")), 1);
    }
};

QTEST_APPLESS_MAIN(TestLocalizedStrings)
#include "tst_localizedstrings.moc"
