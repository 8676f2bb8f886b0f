// Display scales: the windows' pictures come from the files for the device
// pixel ratio they are shown at, long texts scroll to their last character,
// and every picture we draw has its 2x partner. CTest runs this program at
// QT_SCALE_FACTOR 1 and 2.
#include "bankfiles.h"
#include "connection.h"
#include "paper.h"
#include "roster.h"
#include "startup.h"
#include "tckct.h"
#include "testsupport.h"
#include "tksxz.h"
#include "tlxxc.h"
#include "tllst.h"
#include "tmain.h"
#include "tmnks.h"
#include "tycst.h"
#include "widgets.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

class ScalesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_folder.reset(); }
    void picturesForTheRatio_data();
    void picturesForTheRatio();
    void longTextsScrollToTheirEnd_data();
    void longTextsScrollToTheirEnd();
    void everyPictureHasItsPartner();
    void windowTallerThanTheScreenKeepsItsTop();

private:
    QWidget *open(const QString &window);
    std::unique_ptr<testing::ProgramFolder> m_folder;
    QString m_question; // the first question's text and explanation
    QString m_explanation;
};

void ScalesTest::init()
{
    testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_question = u"驾驶机动车在高速公路上行驶，遇有雾、雨、雪等低能见度气象条件时，应当降低速度。"_s.repeated(6) + u"问题到此为止"_s;
    m_explanation = u"《道路交通安全法实施条例》第八十一条规定，能见度小于五十米时，车速不得超过每小时二十公里。"_s.repeated(8) + u"分析到此为止"_s;
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {2, 0, 0, 0, 0})};
    bank.questions = {testing::choice(1, 1, 1, 0, 4, m_question), testing::choice(2, 1, 1, 0)};
    bank.questions[0].info = m_explanation;
    bank.questions[0].errorTimes = 9;
    bank.questions[0].subpic = u"sign.jpg"_s;
    m_folder->writeBank(bank);
    m_folder->writePicture(u"sign.jpg"_s);
    QImage twice(120, 80, QImage::Format_RGB32);
    twice.fill(Qt::darkRed);
    QVERIFY(twice.save(m_folder->file(u"upload/sign@2x.jpg"_s)));
    startUp();
    app::showSlot(app::Slot::main);
}

QWidget *ScalesTest::open(const QString &window)
{
    auto *menu = app::roster().get<Tmain>();
    if (window == u"menu"_s)
        return menu;
    if (window == u"notice"_s) {
        app::showWindow(app::build<Tksxz>());
        return app::roster().get<Tksxz>();
    }
    if (window == u"type browser"_s) {
        QTest::mouseClick(menu->Image6, Qt::LeftButton);
        auto *selection = app::roster().get<Tlxxc>();
        QTest::mouseClick(selection->rgp->button(0), Qt::LeftButton);
        QTest::mouseClick(selection->Button1, Qt::LeftButton);
        return app::roster().get<Tllst>();
    }
    if (window == u"error-prone browser"_s) {
        QTest::mouseClick(menu->Image7, Qt::LeftButton);
        return app::roster().get<Tycst>();
    }
    // The exam window and the review, on a paper of both questions, wrong.
    testing::writePaperOf({1, 2});
    QWidget *built = window == u"review"_s ? static_cast<QWidget *>(app::build<Tckct>()) : app::build<Tmnks>();
    app::showWindow(built);
    return built;
}

void ScalesTest::picturesForTheRatio_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("file"); // the 1x file, from the program folder or the resources
    QTest::newRow("main menu banner") << u"menu"_s << u"Image1"_s << u":/assets/banner_main.png"_s;
    QTest::newRow("main menu entry") << u"menu"_s << u"Image8"_s << u":/assets/menu_exam.png"_s;
    QTest::newRow("exam notice banner") << u"notice"_s << u"Image1"_s << u":/assets/banner_notice.bmp"_s;
    QTest::newRow("exam portrait") << u"exam"_s << u"Image3"_s << u":/assets/portrait.jpg"_s;
    QTest::newRow("exam question picture") << u"exam"_s << u"pic"_s << u"upload/sign.jpg"_s;
    QTest::newRow("browser banner") << u"error-prone browser"_s << u"Image1"_s << u":/assets/banner_header.png"_s;
    QTest::newRow("browser question picture") << u"error-prone browser"_s << u"pic"_s << u"upload/sign.jpg"_s;
    QTest::newRow("review banner") << u"review"_s << u"Image1"_s << u":/assets/banner_header.png"_s;
}

void ScalesTest::picturesForTheRatio()
{
    QFETCH(QString, window);
    QFETCH(QString, picture);
    QFETCH(QString, file);
    const Picture *shown = open(window)->findChild<Picture *>(picture);
    QVERIFY(shown && shown->isVisible());
    const qreal dpr = shown->devicePixelRatio();
    QCOMPARE(dpr, qApp->devicePixelRatio());
    const QString oneTimes = file.startsWith(u':') ? file : m_folder->file(file);
    QCOMPARE(shown->source(), dpr > 1 ? data::twoTimesFile(oneTimes) : oneTimes);
    const QPixmap pixmap = shown->pixmap();
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    // In the pixels of the layout: the picture's own size, or its bounds when stretched.
    const QSize laidOut = shown->isStretched() ? shown->size() : QImageReader(oneTimes).size();
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), laidOut);
    QCOMPARE(pixmap.size(), (QSizeF(laidOut) * dpr).toSize());
}

void ScalesTest::longTextsScrollToTheirEnd_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::newRow("type browser explanation") << u"type browser"_s << u"info"_s;
    QTest::newRow("error-prone browser explanation") << u"error-prone browser"_s << u"info"_s;
    QTest::newRow("review explanation") << u"review"_s << u"info"_s;
    QTest::newRow("browser question") << u"type browser"_s << u"note"_s;
    QTest::newRow("exam window question, keypad *") << u"exam"_s << u"Note"_s;
}

void ScalesTest::longTextsScrollToTheirEnd()
{
    QFETCH(QString, window);
    QFETCH(QString, label);
    QWidget *w = open(window);
    auto *text = w->findChild<Label *>(label);
    QVERIFY(text && text->scrollBar());
    const QScrollBar *bar = text->scrollBar();
    const QString last = label == u"info"_s ? m_explanation.right(6) : m_question.right(6);
    QVERIFY(bar->isVisible());
    QVERIFY(!text->shownText().endsWith(last));
    auto *exam = qobject_cast<Tmnks *>(w);
    for (int turn = 0; turn < 20 && bar->value() < bar->maximum(); ++turn) {
        if (exam) {
            QTest::keyClick(exam, Qt::Key_Asterisk, Qt::KeypadModifier);
        } else {
            const QPointF at(text->width() / 2.0, text->height() / 2.0);
            QWheelEvent wheel(at, text->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(text, &wheel);
        }
    }
    QVERIFY(text->shownText().endsWith(last));
    QVERIFY(text->geometry().contains(bar->geometry().translated(text->pos())));
    if (exam) {
        // From the last page back to the start.
        QTest::keyClick(exam, Qt::Key_Asterisk, Qt::KeypadModifier);
        QCOMPARE(bar->value(), 0);
    }
    // A short text as ever: no bar.
    const auto next = w->findChild<QPushButton *>(exam ? u"bt_next"_s : u"Button3"_s);
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!bar->isVisible());
}

void ScalesTest::everyPictureHasItsPartner()
{
    if (qApp->devicePixelRatio() != 1)
        QSKIP("the files are checked at scale 1");
    const QString source = qEnvironmentVariable("EXAM_SOURCE_DIR");
    int checked = 0;
    for (const QString &folder : {u"assets"_s, u"bank/upload"_s, u"bank/html/img"_s}) {
        QDirIterator files(source + u'/' + folder, {u"*.png"_s, u"*.jpg"_s, u"*.bmp"_s}, QDir::Files);
        while (files.hasNext()) {
            const QString file = files.next();
            if (file.contains(u"@2x."_s))
                continue;
            const QString partner = data::twoTimesFile(file);
            QVERIFY2(QFileInfo::exists(partner), qPrintable(partner));
            QCOMPARE(QImageReader(partner).size(), QImageReader(file).size() * 2);
            ++checked;
        }
    }
    QVERIFY(checked > 60);
}

void ScalesTest::windowTallerThanTheScreenKeepsItsTop()
{
    // As the 576 pixels high windows at 150 % on a screen 768 pixels high.
    QWidget big(nullptr, Qt::Window | Qt::FramelessWindowHint);
    const QRect screen = big.screen()->availableGeometry();
    big.resize(screen.width() / 2, screen.height() + 100);
    app::showWindow(&big);
    QCOMPARE(big.y(), screen.top());
    QVERIFY(big.x() > screen.left()); // centred across
}

EXAM_TEST(ScalesTest)
#include "tst_scales.moc"
