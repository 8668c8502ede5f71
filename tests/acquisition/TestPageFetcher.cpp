#include "acquisition/PageFetcher.h"
#include "common/LoopbackHttpServer.h"
#include "common/RecordingUi.h"
#include "common/TestFiles.h"

#include <QTest>

namespace {

QStringList linesOf(const QString &html)
{
    PageFetcher page;
    page.parseHtml(html);
    QStringList lines;
    const qint32 count = page.getTextData(lines);
    if (count != lines.size())
        return {QStringLiteral("count %1 for %2 lines").arg(count).arg(lines.size())};
    return lines;
}

QString withControls()
{
    QString text = QStringLiteral("<body>a b\tc\r\nd</body>");
    text.insert(7, QChar(0));
    text.insert(9, QChar(1));
    return text;
}

} // namespace

class TestPageFetcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void cleanText_data();
    void cleanText();
    void items();
    void commentCutAtInnerBracket();
    void hugeInputs();
    void itemsAreMadeWhenAskedFor();
    void fetchesOverHttp();
    void failedFetchClearsThePage();
};

void TestPageFetcher::lines_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("br joins, br/ does not, br / does")
        << "<body>a<br>b<br/>c<br />d</body>" << QStringList{"ab", "cd"};
    QTest::newRow("BR in any case") << "<BODY>a<Br>b</BODY>" << QStringList{"ab"};
    QTest::newRow("other tags start lines") << "<body>a<span>b</span>c</body>" << QStringList{"a", "b", "c"};
    QTest::newRow("br then another tag") << "<body>a<br><b>c</b></body>" << QStringList{"a", "c"};
    QTest::newRow("br before any line drops the text") << "<body><br>x<p>y</body>" << QStringList{"y"};
    QTest::newRow("only the body") << "<html><head><title>t</title></head><body class=\"top\">x</body>after<p></html>"
                                   << QStringList{"x"};
    QTest::newRow("no body tag, no lines") << "<html><p>x</p></html>" << QStringList{};
    QTest::newRow("heading without spaces") << "<body><h1> 第1234回　BIG くじ情報 </h1></body>"
                                            << QStringList{"第1234回BIGくじ情報"};
    QTest::newRow("date and time across br") << "<body><td>3月6日<br>19:00</td></body>" << QStringList{"3月6日19:00"};
    // The rest of a comment cut at its inner ">" runs to the next tag.
    QTest::newRow("comment with > inside") << "<body>a<!-- x > y -->b<p>c</p></body>" << QStringList{"a", "c"};
    QTest::newRow("comment that never ends") << "<body>a<!-- x > y <p>z</p></body>" << QStringList{"a"};
    QTest::newRow("empty comment") << "<body>a<!---->b<!-->c</body>" << QStringList{"a", "b", "c"};
    QTest::newRow("entities") << "<body>&amp;lt; &lt;b&gt; &quot;&amp;&#169;&#174; &nbsp;</body>"
                              << QStringList{"&lt;<b>\"&(c)(r)&nbsp;"};
    QTest::newRow("entity chain decodes in order") << "<body>&amp;#169;</body>" << QStringList{"(c)"};
    QTest::newRow("escaped tag is text") << "<body>&lt;注意&gt;<p>&lt;!--x</p>y</body>"
                                         << QStringList{"<注意>", "<!--x", "y"};
    QTest::newRow("stray >") << "<body>a>b</body>" << QStringList{"a>b"};
    // "< 2</body>" is one tag: the body never ends.
    QTest::newRow("stray < swallows up to the next >") << "<body>1 < 2</body><p>x</p>" << QStringList{"1", "x"};
    QTest::newRow("< inside a tag") << "<body><a <b>x</a></body>" << QStringList{"x"};
    QTest::newRow("tag never closed") << "<body>a<p" << QStringList{"a"};
    QTest::newRow("text after the last tag") << "<body>a</p>tail" << QStringList{"a"};
    QTest::newRow("NUL and control characters") << withControls() << QStringList{"abcd"};
    QTest::newRow("blank runs are no items") << "<body>\r\n  <p>x</p>\r\n\t</body>" << QStringList{"x"};
    QTest::newRow("ideographic space alone is an empty line") << "<body><p>　</p><p>x</p></body>"
                                                               << QStringList{"", "x"};
    QTest::newRow("empty page") << "" << QStringList{};
    QTest::newRow("text without tags") << "just text" << QStringList{};
    // A tag joins when its name without blanks is BR: the name of an end tag
    // loses its "/", a comment's name is its body.
    QTest::newRow("br with attributes") << "<body>a<br class=\"x\">b</body>" << QStringList{"ab"};
    QTest::newRow("end tag br") << "<body>a</BR>b</body>" << QStringList{"ab"};
    QTest::newRow("br with an ideographic space") << "<body>a<b　r>b</body>" << QStringList{"ab"};
    QTest::newRow("comment named br") << "<body>a<!-- Br -->b</body>" << QStringList{"ab"};
    QTest::newRow("brr, b") << "<body>a<brr>b<b>c</body>" << QStringList{"a", "b", "c"};
    QTest::newRow("body tag with a slash inside") << "<body/>x<p>y</body>" << QStringList{};
}

void TestPageFetcher::lines()
{
    QFETCH(QString, html);
    QFETCH(QStringList, expected);
    QCOMPARE(linesOf(html), expected);
}

void TestPageFetcher::cleanText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("spaces only") << "   " << "";
    QTest::newRow("runs of spaces") << "  a    b  " << "a b";
    QTest::newRow("line breaks and tabs") << "a\r\n\tb" << "a b";
    QTest::newRow("ideographic space stays") << "　a　" << "　a　";
    QTest::newRow("amp after lt") << "&amp;lt;" << "&lt;";
    QTest::newRow("unknown entity stays") << "&nbsp;&#160;" << "&nbsp;&#160;";
}

void TestPageFetcher::cleanText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(HtmlItemList::cleanText(text), expected);
}

void TestPageFetcher::items()
{
    PageFetcher page;
    QCOMPARE(page.parseHtml(QStringLiteral("<html><body id=\"b\"><!-- note --><a href=\"x\" >t e</a></BODY>")), 7);

    const HtmlItem html = page.item(1);
    QCOMPARE(html.Text, QStringLiteral("<html>"));
    QVERIFY(html.tag && !html.body && !html.endTag && !html.comment);

    const HtmlItem body = page.item(2);
    QCOMPARE(body.name, QStringLiteral("body"));
    QCOMPARE(body.attributes, QStringList({"body", "id=\"b\""}));
    QCOMPARE(body.attributeCount, 1);
    QVERIFY(!body.body);

    const HtmlItem comment = page.item(3);
    QVERIFY(comment.tag && comment.comment && comment.body);
    QCOMPARE(comment.name, QStringLiteral("note"));

    const HtmlItem anchor = page.item(4);
    QCOMPARE(anchor.name, QStringLiteral("a"));
    QCOMPARE(anchor.attributes, QStringList({"a", "href=\"x\"", ""}));
    QCOMPARE(anchor.attributeCount, 2);

    const HtmlItem text = page.item(5);
    QVERIFY(!text.tag && text.body);
    QCOMPARE(text.Text, QStringLiteral("t e"));
    QCOMPARE(text.name, QStringLiteral("te"));
    QCOMPARE(text.attributeCount, -1);

    const HtmlItem endAnchor = page.item(6);
    QVERIFY(endAnchor.endTag && endAnchor.body);
    QCOMPARE(endAnchor.name, QStringLiteral("a"));

    const HtmlItem endBody = page.item(7);
    QVERIFY(endBody.endTag && !endBody.body);

    for (qint32 outside : {0, 8, -1}) {
        const HtmlItem none = page.item(outside);
        QVERIFY(none.Text.isEmpty() && !none.tag && !none.body);
    }
}

void TestPageFetcher::commentCutAtInnerBracket()
{
    PageFetcher page;
    QCOMPARE(page.parseHtml(QStringLiteral("<body><!-- a > b --> c<p>d</p></body>")), 7);
    const HtmlItem first = page.item(2);
    QVERIFY(first.tag && first.comment && first.body);
    const HtmlItem rest = page.item(3);
    QCOMPARE(rest.Text, QStringLiteral("b --> c"));
    QVERIFY(rest.comment && !rest.tag && !rest.body);
    // The comment is closed: the paragraph is a line again.
    QStringList lines;
    page.getTextData(lines);
    QCOMPARE(lines, QStringList{"d"});
}

void TestPageFetcher::hugeInputs()
{
    const QString megabyte(1 << 20, u'字');
    QCOMPARE(linesOf(megabyte), QStringList{});
    QCOMPARE(linesOf(QStringLiteral("<body>") + megabyte + QStringLiteral("</body>")), QStringList{megabyte});
    QCOMPARE(linesOf(QStringLiteral("<body>a<") + megabyte), QStringList{"a"});
    QCOMPARE(linesOf(QStringLiteral("<body>a<!--") + megabyte + QStringLiteral(">") + megabyte), QStringList{"a"});
    QString spaces(1 << 20, u' ');
    QCOMPARE(linesOf(QStringLiteral("<body>a") + spaces + QStringLiteral("b</body>")), QStringList{"ab"});
}

void TestPageFetcher::itemsAreMadeWhenAskedFor()
{
    // A page of nothing but tiny tags keeps its items compact; each one is
    // still whole when asked for.
    QString html = QStringLiteral("<body>");
    for (int i = 0; i < 100000; ++i)
        html += QStringLiteral("<a>");
    html += QStringLiteral("x<!-- c -->y</body>");
    PageFetcher page;
    QCOMPARE(page.parseHtml(html), 100005);
    const HtmlItem anchor = page.item(50000);
    QCOMPARE(anchor.Text, QStringLiteral("<a>"));
    QCOMPARE(anchor.name, QStringLiteral("a"));
    QCOMPARE(anchor.attributes, QStringList{"a"});
    QVERIFY(anchor.tag && anchor.body && !anchor.endTag && !anchor.comment);
    const HtmlItem comment = page.item(100003);
    QVERIFY(comment.tag && comment.comment && comment.body);
    QCOMPARE(comment.name, QStringLiteral("c"));
    QCOMPARE(page.item(100004).name, QStringLiteral("y"));
    QVERIFY(page.item(100005).endTag);
    QStringList lines;
    QCOMPARE(page.getTextData(lines), 2);
    QCOMPARE(lines, QStringList({"x", "y"}));
}

void TestPageFetcher::fetchesOverHttp()
{
    RecordingUi ui;
    LoopbackHttpServer server;
    QVERIFY(server.listen());
    const QString html = QStringLiteral("<html><body><h1>第1478回 BIGくじ指定試合</h1>販売開始日<br>2024年3月4日</body></html>");
    server.setResponse(QStringLiteral("/utf8"), html.toUtf8());
    server.setResponse(QStringLiteral("/sjis"), TestFiles::sjis(html));

    const QStringList expected{"第1478回BIGくじ指定試合", "販売開始日2024年3月4日"};
    for (const auto &[address, code] : {std::pair{QStringLiteral("/utf8"), LoggedDownload::CodeUtf8},
                                        std::pair{QStringLiteral("/sjis"), LoggedDownload::CodeAnsi}}) {
        PageFetcher page;
        page.setProgressDialogMessage(QStringLiteral("page"));
        QCOMPARE(page.getHttp(server.url(address), QString(), code), 10);
        QCOMPARE(page.url(), server.url(address));
        QStringList lines;
        QCOMPARE(page.getTextData(lines), 2);
        QCOMPARE(lines, expected);
    }
    QCOMPARE(ui.closedConnectionLogs().size(), 2);
    QCOMPARE(ui.closedConnectionLogs().first().first(), QStringLiteral(" page"));
    QVERIFY(ui.boxes().isEmpty());
}

void TestPageFetcher::failedFetchClearsThePage()
{
    RecordingUi ui;
    PageFetcher page;
    page.parseHtml(QStringLiteral("<body>old</body>"));
    const QString dead = QStringLiteral("http://127.0.0.1:%1/").arg(LoopbackHttpServer::unusedPort());
    QCOMPARE(page.getHttp(dead, QString(), LoggedDownload::CodeUtf8), 0);
    QCOMPARE(page.count(), 0);
    QCOMPARE(page.url(), dead);
    QStringList lines{"stale"};
    QCOMPARE(page.getTextData(lines), 0);
    QVERIFY(lines.isEmpty());
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestPageFetcher)
#include "TestPageFetcher.moc"
