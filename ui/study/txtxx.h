#pragma once

#include "form.h"
#include "roster.h"
#include "table.h"

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class Picture;
class Shape;

// The study-set choice: ten fixed sets (eight for small cars, one for trucks,
// one for buses), each worked in the exam window in study mode. It lives for
// the whole run and keeps the set chosen last.
class Txtxx : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::xtxx;

    explicit Txtxx(QWidget *parent = nullptr);
    void FormCreate();
    void FormKeyDown(int key) override;

    // The number of the set that is checked, 1 to 10.
    int chosenSet() const;

    Picture *Image1;
    Shape *Shape1;
    Shape *Shape2;
    std::array<QLabel *, 9> rules{}; // Label1 to Label9: the examination rules
    QLabel *Label10;
    QRadioButton *R1;
    QRadioButton *R2;
    QRadioButton *R3;
    QRadioButton *R4;
    QRadioButton *R5;
    QRadioButton *R6;
    QRadioButton *R7;
    QRadioButton *R8;
    QLabel *Label16;
    QRadioButton *R9;
    QRadioButton *R10;
    QPushButton *BitBtn1;
    QPushButton *Button1;
    QLabel *Label15;
    QLabel *Label13;
    QLabel *Label14;
    data::Table ADO_note{QStringLiteral("note")};

private:
    void BitBtn1Click();
    void Button1Click();

    std::array<QRadioButton *, 10> m_sets{};
    QButtonGroup *m_group;
};
