// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The German translation as a user meets it, in the window with Qt's own buttons and in
// zindle-check, the English texts as written under every other locale, and the translation
// sources complete.

#include "io/translations.h"

#include "window/windowfixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

class tst_Translations : public WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void window_data();
    void window();
    void zindleCheck();
    void sourcesComplete();
};

void tst_Translations::init()
{
    QTest::failOnWarning(QRegularExpression(u"connectSlotsByName"_s));
}

void tst_Translations::cleanup()
{
    closeWindow();
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>())
        delete translator; // which uninstalls it
}

void tst_Translations::window_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("German") << u"de_DE"_s
                            << QStringList{u"&Datei"_s, u"&Maschine"_s, u"&Hilfe"_s}
                            << u"Änderungen speichern?"_s
                            << u"Möchten Sie die Änderungen an Ihrem Programm speichern?"_s
                            << QStringList{u"&Ja"_s, u"&Nein"_s, u"Abbrechen"_s};
    const QStringList english{u"&File"_s, u"&Machine"_s, u"&Help"_s};
    const QString title = u"Save changes?"_s;
    const QString question = u"Do you want to save changes to your existing program?"_s;
    const QStringList buttons{u"&Yes"_s, u"&No"_s, u"Cancel"_s};
    QTest::newRow("British") << u"en_GB"_s << english << title << question << buttons;
    QTest::newRow("C") << u"C"_s << english << title << question << buttons;
}

void tst_Translations::window()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, menus);
    QFETCH(QString, title);
    QFETCH(QString, question);
    QFETCH(QStringList, buttons);

    installTranslations(QLocale(locale));
    QVERIFY(openWindow());
    QStringList titles;
    for (const QString &name : {u"menuFile"_s, u"menuMachine"_s, u"menuHelp"_s})
        titles << child<QMenu>(name)->title();
    QCOMPARE(titles, menus);
    QCOMPARE(WindowFixture::window->windowTitle(), u"Zindle"_s); // this function hides it

    // The offer to save, with Qt's own buttons in the same language.
    edit(u"editProgram"_s)->insertPlainText(u"+"_s);
    QStringList shown;
    answerer->expectMessageBox(title, question, QMessageBox::Cancel, [&shown](QWidget *box) {
        for (QAbstractButton *button : box->findChildren<QAbstractButton *>())
            shown << button->text();
    });
    action(u"actionNew"_s)->trigger();
    QTRY_VERIFY2(answerer->isDone(), qPrintable(answerer->pending()));
    shown.sort();
    buttons.sort();
    QCOMPARE(shown, buttons);
}

void tst_Translations::zindleCheck()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, u"de_DE.UTF-8"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZINDLE_CHECK), {u"--challenge"_s, u"no such"_s, u"x.bf"_s});
    QVERIFY(process.waitForFinished(60000));
    const QString error = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(error.startsWith(u"zindle-check: keine Aufgabe „no such“"_s), qPrintable(error));
    QVERIFY2(error.contains(u"Aufruf: zindle-check"_s), qPrintable(error));
}

// Every text of every language translated, with the same placeholders as its source.
void tst_Translations::sourcesComplete()
{
    const QDir folder(qEnvironmentVariable("ZINDLE_SOURCE_DIR") + u"/translations"_s);
    const QStringList names = folder.entryList({u"zindle_*.ts"_s});
    QVERIFY(!names.isEmpty());
    const QRegularExpression placeholder(u"%(\\d+|n)"_s);
    const auto placeholders = [&placeholder](const QString &text) {
        QStringList found;
        for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
            found << match.captured();
        found.sort();
        return found;
    };
    QStringList faults;
    for (const QString &name : names) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QString context;
        QString source;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == u"name") {
                context = reader.readElementText();
            } else if (reader.name() == u"source") {
                source = reader.readElementText();
            } else if (reader.name() == u"translation") {
                const QString type = reader.attributes().value(u"type"_s).toString();
                const QString text = reader.readElementText();
                if (!type.isEmpty() || text.isEmpty())
                    faults << u"%1 %2: %3 \"%4\""_s.arg(name, context, type, source);
                else if (placeholders(text) != placeholders(source))
                    faults << u"%1 %2: placeholders of \"%3\""_s.arg(name, context, source);
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
