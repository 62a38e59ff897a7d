#include "shell/startpage/StartPageTag.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestStartPageTag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tagValue_data();
    void tagValue();
    void trimBlanks_data();
    void trimBlanks();
};

void TestStartPageTag::tagValue_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("expected");

    // The page's own tags.
    QTest::newRow("window run") << u"Run = w_xm_cz1"_s << u"Run"_s << QString() << u"w_xm_cz1"_s;
    QTest::newRow("window open type default")
        << u"Run = w_xm_cz1"_s << u"OpenType"_s << u"Window"_s << u"Window"_s;
    QTest::newRow("window open sheet default")
        << u"Run = w_xm_cz1"_s << u"OpenSheet"_s << u"True"_s << u"True"_s;
    QTest::newRow("exe run") << u"Run = mspaint.exe; OpenType=Exe"_s << u"Run"_s << QString()
                             << u"mspaint.exe"_s;
    QTest::newRow("exe open type")
        << u"Run = mspaint.exe; OpenType=Exe"_s << u"OpenType"_s << u"Window"_s << u"Exe"_s;
    QTest::newRow("command line with argument")
        << u"Run = NotePad.exe ReadMe.txt;OpenType=Exe"_s << u"Run"_s << QString()
        << u"NotePad.exe ReadMe.txt"_s;
    QTest::newRow("open sheet false")
        << u"Run = w_sample_info;OpenSheet=False"_s << u"OpenSheet"_s << u"True"_s << u"False"_s;
    QTest::newRow("open sheet tag keeps default open type")
        << u"Run = w_sample_info;OpenSheet=False"_s << u"OpenType"_s << u"Window"_s << u"Window"_s;

    // Letter case: the key is found in any case, the value keeps its own.
    QTest::newRow("key in other case")
        << u"rUN = W_Xm_Cz1"_s << u"Run"_s << QString() << u"W_Xm_Cz1"_s;
    QTest::newRow("asked key in other case")
        << u"Run = w_xm_cz1"_s << u"RUN"_s << QString() << u"w_xm_cz1"_s;
    QTest::newRow("open type lower case")
        << u"Run = a; opentype = exe"_s << u"OpenType"_s << u"Window"_s << u"exe"_s;

    // A key not followed by "=" is passed over and the search goes on.
    QTest::newRow("key text without equals, later pair")
        << u"Runner; Run = w_jsq_by"_s << u"Run"_s << QString() << u"w_jsq_by"_s;
    QTest::newRow("key inside a value, later pair")
        << u"OpenSheet = Run it; Run=w_4"_s << u"Run"_s << QString() << u"w_4"_s;
    QTest::newRow("key text without equals, no later pair")
        << u"Runner; OpenType=Exe"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;
    QTest::newRow("blanks then something else")
        << u"Run   x = 1"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;

    // Empty values are values, not the default.
    QTest::newRow("equals then semicolon")
        << u"Run=;OpenType=Exe"_s << u"Run"_s << u"dflt"_s << QString();
    QTest::newRow("equals then blanks then semicolon")
        << u"Run =   ; OpenType=Exe"_s << u"Run"_s << u"dflt"_s << QString();
    QTest::newRow("equals at end") << u"Run ="_s << u"Run"_s << u"dflt"_s << QString();

    // The key may end a longer word.
    QTest::newRow("key at end of longer word")
        << u"AutoRun = w_xm_cz2"_s << u"Run"_s << QString() << u"w_xm_cz2"_s;

    // Values may hold "=" and run to ";" or to the end.
    QTest::newRow("value holds equals")
        << u"Run = a=b;OpenType=Exe"_s << u"Run"_s << QString() << u"a=b"_s;
    QTest::newRow("last value runs to end") << u"OpenType=Exe; Run =  prog arg1 arg2  "_s
                                            << u"Run"_s << QString() << u"prog arg1 arg2"_s;
    QTest::newRow("blanks before equals") << u"Run     =x"_s << u"Run"_s << QString() << u"x"_s;

    // Blanks are spaces only: a tab stays part of the value.
    QTest::newRow("tab is not a blank") << u"Run =\tx\t"_s << u"Run"_s << QString() << u"\tx\t"_s;

    // No tag, empty tag, no such object, key absent.
    QTest::newRow("no tag") << u"?"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;
    QTest::newRow("no object") << u"!"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;
    QTest::newRow("empty tag") << QString() << u"Run"_s << u"dflt"_s << u"dflt"_s;
    QTest::newRow("key absent") << u"OpenType=Exe"_s << u"Run"_s << u"dflt"_s << u"dflt"_s;
    QTest::newRow("empty key") << u"Run = x"_s << QString() << u"dflt"_s << u"dflt"_s;
}

void TestStartPageTag::tagValue()
{
    QFETCH(QString, tag);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(QString, expected);

    QCOMPARE(shell::startpage::tagValue(tag, key, defaultValue), expected);
}

void TestStartPageTag::trimBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both ends") << u"  w_xm_cz1  "_s << u"w_xm_cz1"_s;
    QTest::newRow("inner blanks kept") << u" a b "_s << u"a b"_s;
    QTest::newRow("only blanks") << u"   "_s << QString();
    QTest::newRow("tab kept") << u"\ta "_s << u"\ta"_s;
}

void TestStartPageTag::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(shell::startpage::trimBlanks(text), expected);
}

QTEST_GUILESS_MAIN(TestStartPageTag)
#include "tst_start_page_tag.moc"
