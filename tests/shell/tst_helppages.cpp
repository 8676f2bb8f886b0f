#include "helppage.h"
#include "roster.h"
#include "startup.h"
#include "tdtjq.h"
#include "testsupport.h"
#include "tjtbz.h"
#include "tjxjs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <memory>

using namespace Qt::StringLiterals;
using app::Slot;

Q_DECLARE_METATYPE(app::Slot)

namespace {

const QString kTitle = u"澄原市青岚驾校驾驶员理论模拟考试系统"_s;

// What Form takes off an outer size for the frame and title bar.
const QSize kFrame(8, 34);

QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

void keepWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << text;
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

HelpPage *build(Slot slot)
{
    switch (slot) {
    case Slot::jtbz: return app::build<Tjtbz>();
    case Slot::jxjs: return app::build<Tjxjs>();
    case Slot::dtjq: return app::build<Tdtjq>();
    default: return nullptr;
    }
}

// A help page built as start-up builds it and then shown once, which loads
// its page.
HelpPage *buildShown(Slot slot)
{
    HelpPage *window = build(slot);
    app::showWindow(window);
    return window;
}

QString pageFile(Slot slot)
{
    switch (slot) {
    case Slot::jtbz: return u"html/jiaojingshoushi.html"_s;
    case Slot::jxjs: return u"html/zhanshi.html"_s;
    case Slot::dtjq: return u"html/dtjq.html"_s;
    default: return QString();
    }
}

QByteArray page(const QString &body)
{
    return (u"<html><head><meta charset=\"utf-8\"><title>t</title></head><body>"_s + body +
            u"</body></html>"_s)
        .toUtf8();
}

// Clicks the middle of a link text in a view.
void clickLink(QTextBrowser *view, const QString &text)
{
    QTextCursor cursor = view->document()->find(text);
    QVERIFY2(!cursor.isNull(), qPrintable(text));
    cursor.setPosition((cursor.selectionStart() + cursor.selectionEnd()) / 2);
    const QPoint at = view->cursorRect(cursor).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

// The pictures a loaded page shows, by the names its img tags give.
QStringList imageNames(const QTextDocument *document)
{
    QStringList names;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                names << format.toImageFormat().name();
        }
    }
    return names;
}

} // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pagesAreBuiltAtStartUpAndLoadAtFirstShow();
    void pageComesFromProgramFolder_data();
    void pageComesFromProgramFolder();
    void pageIsLoadedOnlyAtFirstShow();
    void linkInsidePageIsFollowed();
    void missingPageShowsTheViewsNotice_data();
    void missingPageShowsTheViewsNotice();
    void missingLinkedPageShowsTheViewsNotice();
    void captionFrameSizeAndStacking_data();
    void captionFrameSizeAndStacking();
    void viewKeepsItsPlaceWhenResized_data();
    void viewKeepsItsPlaceWhenResized();
    void bundledPagesLoadWithoutWarnings_data();
    void bundledPagesLoadWithoutWarnings();

private:
    void writePages();
    std::unique_ptr<testing::ProgramFolder> m_folder;
    testing::TestMessages *m_messages = nullptr;
};

void HelpPagesTest::init()
{
    m_messages = &testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
}

void HelpPagesTest::cleanup()
{
    m_folder.reset();
    if (g_previousHandler) {
        qInstallMessageHandler(g_previousHandler);
        g_previousHandler = nullptr;
    }
}

void HelpPagesTest::writePages()
{
    m_folder->writeFile(u"html/jiaojingshoushi.html"_s,
                        page(u"<p>手势信号页</p><p><a href=\"dtjq.html\">去答题技巧</a></p>"_s));
    m_folder->writeFile(u"html/zhanshi.html"_s,
                        page(u"<p>驾校介绍页</p><p><a href=\"more/history.html\">发展历程</a></p>"
                             "<p><a href=\"gone.html\">失效链接</a></p>"_s));
    m_folder->writeFile(u"html/dtjq.html"_s, page(u"<p>答题技巧页</p>"_s));
    QDir(m_folder->path()).mkpath(u"html/more"_s);
    m_folder->writeFile(u"html/more/history.html"_s, page(u"<p>一九九八年建校</p>"_s));
}

void HelpPagesTest::pagesAreBuiltAtStartUpAndLoadAtFirstShow()
{
    writePages();
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    bank.questions = {testing::choice(1, 1, 1, 0)};
    m_folder->writeBank(bank);
    startUp();
    QVERIFY2(m_messages->errors.isEmpty(), qPrintable(m_messages->errors.join(u'\n')));
    const QList<QPair<Slot, QString>> pages = {
        {Slot::jtbz, u"手势信号页"_s}, {Slot::jxjs, u"驾校介绍页"_s}, {Slot::dtjq, u"答题技巧页"_s}};
    for (const auto &[slot, text] : pages) {
        auto *window = qobject_cast<HelpPage *>(app::roster().object(slot));
        QVERIFY(window);
        QVERIFY(!window->isVisible()); // built hidden, the page not read yet
        QVERIFY(window->WebBrowser1->toPlainText().isEmpty());
        app::showSlot(slot);
        QVERIFY(window->WebBrowser1->toPlainText().contains(text));
    }
    QVERIFY(m_messages->errors.isEmpty());
}

void HelpPagesTest::pageComesFromProgramFolder_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("text");
    QTest::newRow("Tjtbz") << Slot::jtbz << u"手势信号页"_s;
    QTest::newRow("Tjxjs") << Slot::jxjs << u"驾校介绍页"_s;
    QTest::newRow("Tdtjq") << Slot::dtjq << u"答题技巧页"_s;
}

void HelpPagesTest::pageComesFromProgramFolder()
{
    QFETCH(Slot, slot);
    QFETCH(QString, text);
    writePages();
    HelpPage *window = buildShown(slot);
    QCOMPARE(window->WebBrowser1->toPlainText().trimmed().section(u'\n', 0, 0), text);
    // A plain file path inside the program folder's html/.
    QCOMPARE(window->WebBrowser1->source(), QUrl::fromLocalFile(m_folder->file(pageFile(slot))));
    QVERIFY(m_messages->errors.isEmpty());
}

void HelpPagesTest::pageIsLoadedOnlyAtFirstShow()
{
    writePages();
    HelpPage *window = buildShown(Slot::dtjq);
    m_folder->writeFile(u"html/dtjq.html"_s, page(u"<p>改过的页</p>"_s));
    window->hide();
    app::showWindow(window);
    window->hide();
    app::showWindow(window);
    QVERIFY(window->WebBrowser1->toPlainText().contains(u"答题技巧页"_s));
    // A fresh window reads the file as it is now.
    QVERIFY(buildShown(Slot::dtjq)->WebBrowser1->toPlainText().contains(u"改过的页"_s));
}

void HelpPagesTest::linkInsidePageIsFollowed()
{
    writePages();
    HelpPage *window = build(Slot::jxjs);
    app::showWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    clickLink(window->WebBrowser1, u"发展历程"_s);
    QVERIFY2(window->WebBrowser1->toPlainText().contains(u"一九九八年建校"_s),
             qPrintable(window->WebBrowser1->toPlainText()));
    QCOMPARE(window->WebBrowser1->source(), QUrl::fromLocalFile(m_folder->file(u"html/more/history.html"_s)));
    // Shown again, the window shows the page as the pupil left it.
    window->hide();
    app::showWindow(window);
    QVERIFY(window->WebBrowser1->toPlainText().contains(u"一九九八年建校"_s));
    window->WebBrowser1->backward();
    QVERIFY(window->WebBrowser1->toPlainText().contains(u"驾校介绍页"_s));

    // A link to another help page opens it in the same view.
    HelpPage *signals_ = build(Slot::jtbz);
    app::showWindow(signals_);
    QVERIFY(QTest::qWaitForWindowExposed(signals_));
    clickLink(signals_->WebBrowser1, u"去答题技巧"_s);
    QVERIFY(signals_->WebBrowser1->toPlainText().contains(u"答题技巧页"_s));
    QVERIFY(m_messages->errors.isEmpty());
}

void HelpPagesTest::missingPageShowsTheViewsNotice_data()
{
    pageComesFromProgramFolder_data();
}

void HelpPagesTest::missingPageShowsTheViewsNotice()
{
    QFETCH(Slot, slot);
    HelpPage *window = buildShown(slot);
    const QString shown = window->WebBrowser1->toPlainText();
    QVERIFY2(shown.contains(u"无法显示此页"_s), qPrintable(shown));
    QVERIFY2(shown.contains(QFileInfo(pageFile(slot)).fileName()), qPrintable(shown));
    QVERIFY(m_messages->errors.isEmpty()); // the system itself reports nothing
}

void HelpPagesTest::missingLinkedPageShowsTheViewsNotice()
{
    writePages();
    HelpPage *window = build(Slot::jxjs);
    app::showWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    clickLink(window->WebBrowser1, u"失效链接"_s);
    const QString shown = window->WebBrowser1->toPlainText();
    QVERIFY2(shown.contains(u"无法显示此页"_s) && shown.contains(u"gone.html"_s), qPrintable(shown));
    QVERIFY(m_messages->errors.isEmpty());
}

void HelpPagesTest::captionFrameSizeAndStacking_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<bool>("minMaxButtons");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QRect>("view");
    QTest::newRow("Tjtbz") << Slot::jtbz << kTitle << QSize(821, 560) << false << false << true
                           << QRect(1, 2, 816, 559);
    QTest::newRow("Tjxjs") << Slot::jxjs << kTitle << QSize(837, 590) - kFrame << true << true << true
                           << QRect(0, 0, 825, 545);
    QTest::newRow("Tdtjq") << Slot::dtjq << u"澄原市青岚驾校驾校驾驶员理论模拟考试系统答题技巧"_s
                           << QSize(827, 594) - kFrame << true << false << false << QRect(1, 1, 816, 559);
}

void HelpPagesTest::captionFrameSizeAndStacking()
{
    QFETCH(Slot, slot);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(bool, resizable);
    QFETCH(bool, minMaxButtons);
    QFETCH(bool, onTop);
    QFETCH(QRect, view);
    HelpPage *window = build(slot);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), clientSize);
    QCOMPARE(window->minimumSize() != window->maximumSize(), resizable);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minMaxButtons);
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), minMaxButtons);
    QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), onTop);
    QCOMPARE(window->WebBrowser1->geometry(), view);
    QCOMPARE(window->WebBrowser1->objectName(), u"WebBrowser1"_s);
    // The view is the window's one control.
    QCOMPARE(window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly),
             (QList<QWidget *>{window->WebBrowser1}));
}

void HelpPagesTest::viewKeepsItsPlaceWhenResized_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::newRow("Tjxjs") << Slot::jxjs;
    QTest::newRow("Tdtjq") << Slot::dtjq;
}

void HelpPagesTest::viewKeepsItsPlaceWhenResized()
{
    QFETCH(Slot, slot);
    HelpPage *window = build(slot);
    app::showWindow(window);
    const QRect before = window->WebBrowser1->geometry();
    window->resize(window->size() + QSize(120, 80));
    QCoreApplication::processEvents();
    QCOMPARE(window->WebBrowser1->geometry(), before);
    window->resize(window->size() - QSize(300, 200));
    QCoreApplication::processEvents();
    QCOMPARE(window->WebBrowser1->geometry(), before);
}

void HelpPagesTest::bundledPagesLoadWithoutWarnings_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Tjtbz") << Slot::jtbz << u"交通警察手势信号"_s;
    QTest::newRow("Tjxjs") << Slot::jxjs << u"澄原市青岚驾校"_s;
    QTest::newRow("Tdtjq") << Slot::dtjq << u"理论考试答题技巧"_s;
}

void HelpPagesTest::bundledPagesLoadWithoutWarnings()
{
    QFETCH(Slot, slot);
    QFETCH(QString, heading);
    // The pages as the build copies them: bank/html/ with its pictures.
    const QString source = qEnvironmentVariable("EXAM_SOURCE_DIR") + u"/bank/html"_s;
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString relative = QDir(source).relativeFilePath(file);
        QDir(m_folder->path()).mkpath(QFileInfo(u"html/"_s + relative).path());
        QVERIFY(QFile::copy(file, m_folder->file(u"html/"_s + relative)));
    }

    g_warnings.clear();
    g_previousHandler = qInstallMessageHandler(keepWarnings);
    HelpPage *window = build(slot);
    app::showWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->grab(); // lays out and paints the whole view, pictures included
    QTextBrowser *view = window->WebBrowser1;
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    window->grab();
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(u'\n')));
    QVERIFY(m_messages->errors.isEmpty());

    QVERIFY2(view->toPlainText().contains(heading), qPrintable(view->toPlainText().left(200)));
    QVERIFY(!view->toPlainText().contains(u"无法显示此页"_s));
    QCOMPARE(view->documentTitle().isEmpty(), false);

    // Every picture the page shows can be read.
    const QStringList images = imageNames(view->document());
    QVERIFY(!images.isEmpty());
    for (const QString &name : images) {
        const QVariant resource = view->document()->resource(QTextDocument::ImageResource, QUrl(name));
        QImage image;
        if (resource.userType() == QMetaType::QByteArray)
            image = QImage::fromData(resource.toByteArray());
        else if (resource.userType() == QMetaType::QPixmap)
            image = resource.value<QPixmap>().toImage();
        else if (resource.userType() == QMetaType::QImage)
            image = resource.value<QImage>();
        QVERIFY2(!image.isNull(), qPrintable(name));
    }

    // Every link inside the page leads somewhere: an anchor of the page or a
    // file beside it.
    QFile file(m_folder->file(pageFile(slot)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> anchors;
    for (const auto &m : QRegularExpression(u"<a\\s+name=\"([^\"]+)\""_s).globalMatch(html))
        anchors.insert(m.captured(1));
    for (const auto &m : QRegularExpression(u"\\bid=\"([^\"]+)\""_s).globalMatch(html))
        anchors.insert(m.captured(1));
    for (const auto &m : QRegularExpression(u"href=\"([^\"]+)\""_s).globalMatch(html)) {
        const QString target = m.captured(1);
        if (target.startsWith(u'#'))
            QVERIFY2(anchors.contains(target.mid(1)), qPrintable(target));
        else if (!target.startsWith(u"http"_s))
            QVERIFY2(QFileInfo::exists(m_folder->file(u"html/"_s + target.section(u'#', 0, 0))),
                     qPrintable(target));
    }
}

EXAM_TEST(HelpPagesTest)
#include "tst_helppages.moc"
