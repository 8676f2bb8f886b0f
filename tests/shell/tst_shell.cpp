#include "apperror.h"
#include "decipher.h"
#include "helppage.h"
#include "roster.h"
#include "startup.h"
#include "tado.h"
#include "tdtjq.h"
#include "tjtbz.h"
#include "tjxjs.h"
#include "tmain.h"
#include "txccx.h"
#include "txtxx.h"
#include "tycst.h"
#include "tksxz.h"
#include "tlxxc.h"
#include "quitaftershow.h"
#include "testsupport.h"
#include "widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QStringEncoder>
#include <QTest>
#include <QUrl>
#include <memory>

using namespace Qt::StringLiterals;
using app::Slot;

namespace {

// How the banner text was enciphered: GBK bytes combined with the key table.
QString encipher(const QString &text)
{
    static const unsigned char key[8] = {0x3A, 0xC5, 0x17, 0x8E, 0x62, 0xD9, 0x4B, 0xF0};
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(text);
    QString hex;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        hex += u"%1"_s.arg(static_cast<uint>(static_cast<unsigned char>(bytes[i]) ^ key[i % 8]), 2, 16, QChar(u'0')).toUpper();
    return hex;
}

int g_quits = 0;
int g_paints = 0;        // paints of the main menu seen so far
int g_paintsAtQuit = -1; // and when the program was asked to quit

// Counts the paints of the window it watches.
class PaintCounter : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++g_paints;
        return false;
    }
};

} // namespace

// Catches what the banner line asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUpBuildsHiddenWindowsInOrder();
    void missingBankReportsThenShowsMenu();
    void keypadStarStartsMockExam();
    void otherKeysDoNothing();
    void studyThenKeypadStarIsMockExam();
    void exitAsksFirst();
    void helpPagesAreShownNotRebuilt();
    void browsersAreBuiltAfresh();
    void bannerLineOpensTheSchoolSite();
    void decipher_data();
    void decipher();
    void badHexLeavesDesignText();
    void quitAfterShowQuitsOnceTheMenuIsPainted();
    void sharedPicturesAppearAsBefore();
    void vehicleClassTextIsSizedAtFirstShow();

private:
    void startWithBank();
    Tmain *mainWindow() { return app::roster().get<Tmain>(); }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    testing::TestMessages *m_messages = nullptr;
};

void ShellTest::init()
{
    m_messages = &testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
    g_quits = 0;
    g_paints = 0;
    g_paintsAtQuit = -1;
    app::setQuitHandler([] {
        ++g_quits;
        g_paintsAtQuit = g_paints;
    });
}

void ShellTest::cleanup()
{
    m_folder.reset();
    app::setQuitHandler(nullptr);
}

void ShellTest::startWithBank()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {2, 2, 2, 0, 0})};
    bank.questions = {testing::trueFalse(1, 1, 1, true), testing::choice(2, 1, 1, 0),
                      testing::choice(3, 1, 2, 1)};
    m_folder->writeBank(bank);
    m_folder->writeFile(u"html/jiaojingshoushi.html"_s, "<html><body><p>手势信号页</p></body></html>");
    startUp();
    app::showSlot(Slot::main);
}

void ShellTest::startUpBuildsHiddenWindowsInOrder()
{
    startWithBank();
    QVERIFY2(m_messages->errors.isEmpty(), qPrintable(m_messages->errors.join(u'\n')));
    const QList<Slot> order = {Slot::main, Slot::jtbz, Slot::jxjs, Slot::xccx, Slot::ado, Slot::dtjq, Slot::xtxx};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QVERIFY(app::roster().object(order[i]));
        if (i > 0)
            QVERIFY(app::roster().builtAt(order[i - 1]) < app::roster().builtAt(order[i]));
    }
    for (const Slot s : {Slot::ycst, Slot::lxxc, Slot::llst, Slot::ksxz, Slot::mnks, Slot::ksqr, Slot::xxts, Slot::ckct})
        QVERIFY(!app::roster().object(s));

    QList<QWidget *> visible;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            visible << w;
    }
    QCOMPARE(visible, (QList<QWidget *>{mainWindow()}));
    QCOMPARE(mainWindow()->tag(), 0);
    QCOMPARE(mainWindow()->Label1->text(), ::decipher(encipher(mainWindow()->Label1->text())));
    QVERIFY(mainWindow()->Label1->text().contains(u"青岚驾校"_s));

    // The data module opened the shared tables, and the study-set window its
    // own cursor with the connection string built before it.
    QVERIFY(app::ado().subject.isOpen() && app::ado().sort.isOpen() && app::ado().options.isOpen());
    QCOMPARE(app::ado().sort.sort(), u"sortId"_s);
    QVERIFY(app::roster().get<Txtxx>()->ADO_note.isOpen());
}

void ShellTest::missingBankReportsThenShowsMenu()
{
    m_folder->writeFile(u"html/jiaojingshoushi.html"_s, "<html><body><p>手势信号页</p></body></html>");
    startUp();
    app::showSlot(Slot::main);
    // The data module and the study-set window each report their own error.
    QCOMPARE(m_messages->errors.size(), 2);
    for (const QString &error : std::as_const(m_messages->errors))
        QVERIFY2(error.contains(u"data.db"_s), qPrintable(error));
    QVERIFY(mainWindow()->isVisible());
    QVERIFY(!QFile::exists(m_folder->file(u"data.db"_s)));
    QVERIFY(app::roster().object(Slot::ado)); // built and in its slot all the same
    QVERIFY(app::roster().object(Slot::xtxx));

    // The help pages still work.
    QTest::mouseClick(mainWindow()->Image4, Qt::LeftButton);
    auto *signals_ = app::roster().get<Tjtbz>();
    QVERIFY(signals_->isVisible());
    QVERIFY(signals_->WebBrowser1->toPlainText().contains(u"手势信号页"_s));
    // A page that is missing shows the view's own notice, no error box.
    QTest::mouseClick(mainWindow()->Image10, Qt::LeftButton);
    QVERIFY(app::roster().get<Tdtjq>()->WebBrowser1->toPlainText().contains(u"dtjq.html"_s));
    QCOMPARE(m_messages->errors.size(), 2);
}

void ShellTest::keypadStarStartsMockExam()
{
    startWithBank();
    auto *xccx = app::roster().get<Txccx>();
    QVERIFY(!xccx->isVisible());
    QTest::keyClick(mainWindow(), Qt::Key_Asterisk, Qt::KeypadModifier);
    QCOMPARE(mainWindow()->tag(), 2);
    QCOMPARE(xccx->tag(), 2);
    QVERIFY(xccx->isVisible());
    QCOMPARE(app::roster().builds(Slot::xccx), 1); // shown, not rebuilt

    xccx->hide();
    xccx->setTag(0);
    mainWindow()->setTag(0);
    QTest::mouseClick(mainWindow()->Image8, Qt::LeftButton);
    QCOMPARE(mainWindow()->tag(), 2);
    QCOMPARE(xccx->tag(), 2);
    QVERIFY(xccx->isVisible());
}

void ShellTest::otherKeysDoNothing()
{
    startWithBank();
    const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_Asterisk, Qt::NoModifier}, // the main keyboard's *
        {Qt::Key_Plus, Qt::KeypadModifier},  {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_5, Qt::KeypadModifier},     {Qt::Key_Slash, Qt::KeypadModifier},
        {Qt::Key_Escape, Qt::NoModifier},    {Qt::Key_Return, Qt::NoModifier},
    };
    for (const auto &[key, modifiers] : keys)
        QTest::keyClick(mainWindow(), key, modifiers);
    QCOMPARE(mainWindow()->tag(), 0);
    // Keypad + would switch to 科目四: this bank has none, and says so.
    QVERIFY(!mainWindow()->pn_km->isVisible());
    QCOMPARE(m_messages->notices, QStringList{u"题库中没有科目四的试题，只能练习科目一。"_s});
    for (const Slot s : {Slot::xccx, Slot::xtxx, Slot::jtbz, Slot::jxjs, Slot::dtjq})
        QVERIFY(!qobject_cast<QWidget *>(app::roster().object(s))->isVisible());
    QVERIFY(m_messages->confirmations.isEmpty());
    QCOMPARE(g_quits, 0);
}

void ShellTest::studyThenKeypadStarIsMockExam()
{
    startWithBank();
    QTest::mouseClick(mainWindow()->Image9, Qt::LeftButton);
    QCOMPARE(mainWindow()->tag(), 1);
    QVERIFY(app::roster().get<Txtxx>()->isVisible());
    QTest::keyClick(mainWindow(), Qt::Key_Asterisk, Qt::KeypadModifier);
    QCOMPARE(mainWindow()->tag(), 2);
    QCOMPARE(app::roster().get<Txccx>()->tag(), 2);
}

void ShellTest::exitAsksFirst()
{
    startWithBank();
    m_messages->answers = {false};
    QTest::mouseClick(mainWindow()->Image3, Qt::LeftButton);
    QCOMPARE(m_messages->confirmations, QStringList{u"提示|你确定要退出本程序吗?"_s});
    QVERIFY(mainWindow()->isVisible());
    QCOMPARE(g_quits, 0);
    QCOMPARE(mainWindow()->tag(), 0);

    m_messages->answers = {true};
    QTest::mouseClick(mainWindow()->Image3, Qt::LeftButton);
    QCOMPARE(g_quits, 1);
    QVERIFY(!mainWindow()->isVisible());
}

void ShellTest::helpPagesAreShownNotRebuilt()
{
    startWithBank();
    for (auto *picture : {mainWindow()->Image4, mainWindow()->Image5, mainWindow()->Image10}) {
        QTest::mouseClick(picture, Qt::LeftButton);
        QTest::mouseClick(picture, Qt::LeftButton);
    }
    for (const Slot s : {Slot::jtbz, Slot::jxjs, Slot::dtjq}) {
        QCOMPARE(app::roster().builds(s), 1);
        QVERIFY(qobject_cast<QWidget *>(app::roster().object(s))->isVisible());
    }
    QCOMPARE(app::roster().get<Tjtbz>()->windowTitle(), app::title());
    QCOMPARE(app::roster().get<Tdtjq>()->windowTitle(), u"澄原市青岚驾校驾校驾驶员理论模拟考试系统答题技巧"_s);
}

void ShellTest::browsersAreBuiltAfresh()
{
    startWithBank();
    QTest::mouseClick(mainWindow()->Image7, Qt::LeftButton);
    QPointer<QObject> first = app::roster().object(Slot::ycst);
    QVERIFY(first);
    QTest::mouseClick(mainWindow()->Image7, Qt::LeftButton);
    QVERIFY(app::roster().object(Slot::ycst) != first);
    QCOMPARE(app::roster().builds(Slot::ycst), 2);
    QVERIFY(!qobject_cast<QWidget *>(first.data())->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first); // the old instance is gone

    QTest::mouseClick(mainWindow()->Image6, Qt::LeftButton);
    QTest::mouseClick(mainWindow()->Image6, Qt::LeftButton);
    QCOMPARE(app::roster().builds(Slot::lxxc), 2);
    QVERIFY(app::roster().get<Tlxxc>()->isVisible());
}

void ShellTest::bannerLineOpensTheSchoolSite()
{
    startWithBank();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"http"_s, &catcher, "open");
    QTest::mouseClick(mainWindow()->Label1, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(u"http"_s);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(Tmain::kSchoolSite)});
    QVERIFY(m_messages->errors.isEmpty());
}

void ShellTest::decipher_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("text");
    QTest::newRow("two letters") << u"7B87"_s << u"AB"_s;
    QTest::newRow("lower case digits") << u"7b87"_s << u"AB"_s;
    QTest::newRow("odd last digit ignored") << u"7B87F"_s << u"AB"_s;
    QTest::newRow("key cycles after eight bytes") << encipher(u"ABCDEFGHIJ"_s) << u"ABCDEFGHIJ"_s;
    QTest::newRow("GBK text") << encipher(u"驾驶员理论考试"_s) << u"驾驶员理论考试"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one digit") << u"7"_s << QString();
}

void ShellTest::decipher()
{
    QFETCH(QString, hex);
    QTEST(::decipher(hex), "text");
}

void ShellTest::badHexLeavesDesignText()
{
    QVERIFY_THROWS_EXCEPTION(AppError, ::decipher(u"7BZ9"_s));
    Tmain window;
    const QString design = window.Label1->text();
    QVERIFY_THROWS_EXCEPTION(AppError, ::decipher(u"G0"_s));
    QCOMPARE(window.Label1->text(), design);
    window.FormCreate();
    QCOMPARE(window.Label1->text().toUtf8().size() > 0, true);
    QCOMPARE(encipher(window.Label1->text()).size(), 220); // 110 bytes of banner text
}

void ShellTest::quitAfterShowQuitsOnceTheMenuIsPainted()
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 0, 0, 0, 0})};
    bank.questions = {testing::choice(1, 1, 1, 0)};
    m_folder->writeBank(bank);
    startUp();
    PaintCounter counter;
    mainWindow()->installEventFilter(&counter);
    QVERIFY(!quitAfterShowIfAsked({u"theoryexam"_s}));
    QVERIFY(quitAfterShowIfAsked({u"theoryexam"_s, u"--quit-after-show"_s}));
    QCoreApplication::processEvents();
    QCOMPARE(g_quits, 0); // nothing painted yet

    app::showSlot(Slot::main);
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow()));
    QTRY_COMPARE(g_quits, 1);
    QVERIFY(g_paintsAtQuit >= 1);
    // Once only, however often the menu is painted again.
    mainWindow()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(g_quits, 1);
}

void ShellTest::sharedPicturesAppearAsBefore()
{
    startWithBank();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow()));
    // What a picture shows: its resource stretched to the control by a plain
    // label, as the windows drew their pictures before they were shared.
    const auto asBefore = [](const QString &resource, const Picture *picture) {
        QWidget window;
        QLabel label(&window);
        QPalette palette; // the window's colour shows through the pictures' transparent corners
        palette.setColor(QPalette::Window, picture->palette().color(QPalette::Window));
        label.setPalette(palette);
        label.setScaledContents(true);
        label.setPixmap(QPixmap(resource));
        label.resize(picture->size());
        return label.grab().toImage();
    };
    const QList<QPair<Picture *, QString>> menu = {
        {mainWindow()->Image1, u"banner_main.png"_s}, {mainWindow()->Image2, u"school.jpg"_s},
        {mainWindow()->Image9, u"menu_study.png"_s},  {mainWindow()->Image3, u"menu_exit.png"_s}};
    for (const auto &[picture, file] : menu)
        QCOMPARE(picture->grab().toImage(), asBefore(u":/assets/"_s + file, picture));

    // The study-set window, built hidden at start-up, makes its banner when
    // first shown; the exam notice shows the very same stretched pixmap.
    auto *study = app::roster().get<Txtxx>();
    QVERIFY(study->Image1->pixmap().isNull());
    app::showSlot(Slot::xtxx);
    QCOMPARE(study->Image1->grab().toImage(), asBefore(u":/assets/banner_notice.bmp"_s, study->Image1));
    auto *notice = app::build<Tksxz>();
    app::showWindow(notice);
    QCOMPARE(notice->Image1->pixmap().cacheKey(), study->Image1->pixmap().cacheKey());
    QVERIFY(m_messages->errors.isEmpty());
}

void ShellTest::vehicleClassTextIsSizedAtFirstShow()
{
    startWithBank();
    auto *xccx = app::roster().get<Txccx>();
    QTest::mouseClick(mainWindow()->Image8, Qt::LeftButton);
    QVERIFY(xccx->isVisible());
    const QList<QPair<QLabel *, QPoint>> labels = {
        {xccx->Label2, QPoint(24, 64)}, {xccx->Label3, QPoint(48, 168)}, {xccx->Label4, QPoint(48, 192)}};
    for (const auto &[label, at] : labels) {
        QCOMPARE(label->pos(), at);
        QCOMPARE(label->size(), label->sizeHint()); // the whole text, not clipped
        QVERIFY(label->width() > 80 && label->height() >= 16);
    }
    QCOMPARE(xccx->ComboBox1->geometry(), QRect(128, 64, 161, xccx->ComboBox1->sizeHint().height()));
}

EXAM_TEST(ShellTest)
#include "tst_shell.moc"
