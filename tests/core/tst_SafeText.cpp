#include "codec/SafeText.h"

#include <QtTest>

class tst_SafeText : public QObject
{
    Q_OBJECT
private slots:
    void escaped_data();
    void escaped();
    void everyControlCharacterIsEscaped();
};

void tst_SafeText::escaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    // Stays as it is.
    QTest::newRow("plain ASCII") << "KV~F0600R CH 1 !\"#$%&'()*+,-./:;<=>?@[]^_`{|}"
                                 << "KV~F0600R CH 1 !\"#$%&'()*+,-./:;<=>?@[]^_`{|}";
    QTest::newRow("backslash") << "C:\\radio\\x1B.R70" << "C:\\radio\\x1B.R70";
    QTest::newRow("other scripts") << QString::fromUtf8("無線機 Радио λ ÿ") << QString::fromUtf8("無線機 Радио λ ÿ");
    QTest::newRow("outside the BMP") << QString::fromUtf8("📻 𝄞") << QString::fromUtf8("📻 𝄞");

    // C0, DEL, C1.
    QTest::newRow("NUL") << QString(QChar(0)) + "tail" << "\\x00tail";
    QTest::newRow("CR LF tab") << "a\r\n\tb" << "a\\x0D\\x0A\\x09b";
    QTest::newRow("clear screen") << "\x1b[2J\x1b[H" << "\\x1B[2J\\x1B[H";
    QTest::newRow("window title") << "\x1b]0;owned\x07" << "\\x1B]0;owned\\x07";
    QTest::newRow("DEL") << "a\x7f" << "a\\x7F";
    QTest::newRow("C1 CSI") << QString(QChar(0x9B)) + "2J" << "\\x9B2J";
    QTest::newRow("radio bytes as Latin-1") << QString::fromLatin1("QTR\x80\x9f\xff") << QString::fromLatin1("QTR\\x80\\x9F\xff");

    // Wider ones.
    QTest::newRow("line separator") << QString(QChar(0x2028)) << "\\u{2028}";
    QTest::newRow("right-to-left override")
        << "file" + QString(QChar(0x202E)) + "07R.exe" << "file\\u{202E}07R.exe";
    QTest::newRow("isolates")
        << QString(QChar(0x2066)) + QChar(0x2067) + QChar(0x2068) + QChar(0x2069)
        << "\\u{2066}\\u{2067}\\u{2068}\\u{2069}";
    QTest::newRow("marks") << QString(QChar(0x200E)) + QChar(0x200F) + QChar(0x061C)
                           << "\\u{200E}\\u{200F}\\u{061C}";
    QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + "x" + QChar(0xDC00)
                                     << "\\u{D800}x\\u{DC00}";
    QTest::newRow("neighbours of the separators stay")
        << QString(QChar(0x2027)) + QChar(0x202F) + QChar(0x2065) + QChar(0x206A)
        << QString(QChar(0x2027)) + QChar(0x202F) + QChar(0x2065) + QChar(0x206A);
}

void tst_SafeText::escaped()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(SafeText::escaped(text), shown);
    QCOMPARE(SafeText::isSafe(text), text == shown);
}

void tst_SafeText::everyControlCharacterIsEscaped()
{
    // Whatever the text, what is shown holds no control character at all.
    QString all;
    for (char16_t c = 0; c < 0x3000; ++c)
        all += QChar(c);
    const QString shown = SafeText::escaped(all);
    for (QChar c : shown) {
        const char16_t u = c.unicode();
        QVERIFY2(!(u < 0x20 || (u >= 0x7F && u <= 0x9F)), qPrintable(QString::number(u, 16)));
        QVERIFY2(!(u >= 0x2028 && u <= 0x202E) && !(u >= 0x2066 && u <= 0x2069),
                 qPrintable(QString::number(u, 16)));
    }
    QVERIFY(SafeText::isSafe(shown));
}

QTEST_GUILESS_MAIN(tst_SafeText)
#include "tst_SafeText.moc"
