#pragma once

#include "form.h"
#include "questionoptions.h"
#include "roster.h"
#include "systemini.h"
#include "table.h"

#include <array>
#include <vector>

class AnswerSheet;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class Label;
class Picture;

// The exam window: one question at a time under a countdown, with the
// answer sheet. Every answer is written into the paper's row of note at once.
// In study mode (Tag 1) it also offers to show the correct answer.
class Tmnks : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::mnks;

    explicit Tmnks(QWidget *parent = nullptr);
    void FormCreate();
    void FormKeyDown(int key) override;

    // Ends the exam: the countdown stops, an open hand-in confirmation goes,
    // and nothing can end it a second time.
    void finish();
    bool finished() const { return m_finished; }

    int passMark() const { return m_settings.passMark; }
    // The exam of the paper (科目一 or 科目四).
    int exam() const { return m_exam; }
    int remainingSeconds() const { return m_remaining; }
    int currentQuestion() const { return m_current; }
    int questionCount() const { return m_count; }

    // One tick of the countdown (Timer1 calls it every second).
    void Timer1Timer();

    // m:ss, minutes without leading zeros: 5400 gives 90:00, 65 gives 1:05.
    static QString timeText(int seconds);

    QGroupBox *GroupBox1;
    QLabel *Label1;
    QGroupBox *GroupBox2;
    Picture *Image3;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *lb_kscx;
    QLabel *Label5;
    QGroupBox *GroupBox4;
    QLabel *Note;
    QLabel *lb1;
    QLabel *lb2;
    QLabel *lb3;
    QLabel *lb4;
    Picture *pic;
    QLabel *Label8;
    QLabel *da;
    QLabel *Label6;
    QPushButton *opt1;
    QPushButton *opt2;
    QPushButton *opt3;
    QPushButton *opt4;
    QCheckBox *autoshow;
    QPushButton *bt_show;
    QPushButton *bt_Prior;
    QPushButton *bt_next;
    QPushButton *bt_jj;
    QGroupBox *GroupBox5;
    QLabel *atime;
    QGroupBox *GroupBox6;
    QLabel *info;
    QGroupBox *GroupBox3;
    AnswerSheet *StringGrid1;
    data::Table ADO_Note{QStringLiteral("note")};
    QTimer *Timer1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void bt_nextClick();
    void bt_PriorClick();
    void opt1Click();
    void opt2Click();
    void opt3Click();
    void opt4Click();
    void StringGrid1Click();
    void autoshowClick();
    void bt_showClick();
    void bt_jjClick();

    void ShowQuestion();
    void SaveAnswer(const QString &mark, int k);
    // A multi-answer question: option k is chosen or given up, and the
    // chosen set is stored at once.
    void toggleAnswer(int k);
    void showNoQuestion(const QString &text);
    void selectCell(int question);
    void setDaFromCell(int question);
    // The recorded answer in da, in a smaller size when several letters would
    // not fit at the size of one.
    void setDa(const QString &marks);

    std::array<QPushButton *, 4> m_buttons{};
    Label *m_note = nullptr;
    std::array<Label *, 4> m_lines{};
    data::ExamSettings m_settings;
    int m_current = 1;
    int m_count = 0;
    int m_remaining = 0;
    bool m_showAnswer = false;
    bool m_finished = false;
    int m_exam = 1;
    qint64 m_kind = 0;                         // typeId of the shown question
    std::vector<data::QuestionOption> m_shown; // its options, in the order shown
};
