#pragma once

#include <QColor>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;
class Label;
class Picture;
class Shape;

namespace data {
class Table;
}

// The question display of the question browsers and of the review of wrong
// answers: the question with its number in a frame, the option lines A to D
// beside their letters, the picture and the explanation under "难点分析".
//
// A window that shows questions inherits it beside Form, so that the controls
// are the window's own members under their usual names. The controls are laid
// out as in the browser of one question type; Layout::top moves all of them
// up or down together. What differs between the windows:
//
//   browser of one type       Layout{0, 14}     Marks{Lines::ByKind, {}}
//   error-prone browser       Layout{-8, 14}    Marks{Lines::ByKind, {}}
//   review of wrong answers   Layout{-11, 16}   Marks{Lines::ByOptions, optionid}
//
// The window keeps its own banner, heading and buttons.
class QuestionView {
public:
    struct Layout {
        int top = 0;         // added to the y of every control
        int infoPixels = 14; // size of the explanation's 宋体
    };

    // When the option lines C and D are shown.
    enum class Lines {
        ByKind,    // hidden for a true/false question (typeId 1), shown otherwise
        ByOptions, // shown exactly when the question has a third or fourth option
    };

    // What the lines show besides the options' texts.
    struct Marks {
        Lines lines = Lines::ByKind;
        // The optid of the pupil's answer: its line ends in "×" (before the
        // "√" of the correct option when the answer was right).
        std::optional<qint64> chosen;
        // The optids of a multi-answer answer: the wrong ones among them end
        // in "×".
        std::vector<qint64> chosenSeveral;
    };

    // Builds the controls on `window`, the window's client area.
    QuestionView(QWidget *window, const Layout &layout);
    ~QuestionView() = default;
    QuestionView(const QuestionView &) = delete;
    QuestionView &operator=(const QuestionView &) = delete;

    // Shows the current row of `subject` as question number `number`, with
    // its options, which `options` is filtered on here ("subid=<n>").
    void displayQuestion(int number, const data::Table &subject, data::Table &options, const Marks &marks);
    // Shows nothing: empty texts and no picture (an empty set).
    void displayNothing();

    // The option line of option k (0 = A … 3 = D).
    Label *optionLine(int k) const { return m_lines.at(static_cast<size_t>(k)); }

    Shape *Shape1; // around the question text
    Shape *Shape5; // around the letters A, B, C, D
    Shape *Shape3;
    Shape *Shape4;
    Shape *Shape2;
    Shape *Shape6; // around the option lines A, B, C, D
    Shape *Shape7;
    Shape *Shape8;
    Shape *Shape9;
    Shape *Shape10; // around the picture
    Shape *Shape11; // around the explanation
    QLabel *Label1; // the letters A, B, C, D
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *note; // number and question text
    QLabel *lb1;  // option lines A, B, C, D
    QLabel *lb2;
    QLabel *lb3;
    QLabel *lb4;
    Picture *pic;
    QLabel *Label5; // "难点分析"
    QLabel *info;   // the explanation

private:
    void showPicture(const QVariant &subpic);

    // The texts: the option lines take up to three lines within their
    // frames, a longer option ends in "…" and shows whole in the tooltip; a
    // question or explanation longer than its box scrolls in it.
    Label *m_note = nullptr;
    Label *m_info = nullptr;
    std::array<Label *, 4> m_lines{};
};

// The text of the question label: "第N题", a blank line, the question.
QString questionText(int number, const QString &subtitle);

// The explanation as shown: empty for a database null or the text "NULL".
QString explanationText(const QVariant &info);

// The text of one option line: the option, "×" when it is the pupil's
// answer, then "√" when it is the correct one.
QString optionLineText(const QString &optcontent, bool chosen, bool correct);

// The colour of the desktop's menu bar, behind the windows' headings.
QColor menuBarColour();

// Stepping through a set of `count` questions from position p (from 1), as
// the buttons "第一题", "上一题", "下一题" and "最末题" do. Never wraps.
enum class Step { First, Prior, Next, Last };
int stepped(int p, int count, Step step);

// The rule for those four buttons after a step: "下一题" and "最末题" off on
// the last question, "第一题" and "上一题" off on the first, all four off for
// an empty set.
void applyButtonRule(int p, int count, QPushButton *first, QPushButton *prior, QPushButton *next,
                     QPushButton *last);
