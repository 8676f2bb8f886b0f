#pragma once

#include "form.h"
#include "roster.h"

class QLabel;
class QPushButton;
class ClickLabel;
class Picture;
class Shape;

// The main menu: the hub every activity starts from and returns to. Its Tag
// is the mode flag: 1 while a study set is worked, 2 for a mock exam.
class Tmain : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::main;
    static const QString kSchoolSite;

    explicit Tmain(QWidget *parent = nullptr);
    void FormCreate();
    void FormKeyDown(int key) override;
    // Once the data module has opened the bank: a bank that holds 科目四
    // shows the choice of exam, with the chosen one pressed.
    void showExamChoice();

    Shape *Shape1;
    Picture *Image1;
    Picture *Image2;
    Picture *Image9;
    Picture *Image8;
    Picture *Image7;
    Picture *Image6;
    Picture *Image10;
    Picture *Image4;
    Picture *Image5;
    Picture *Image3;
    Shape *Shape2;
    ClickLabel *Label1;
    // The choice of exam, over the photograph; hidden on a 科目一 bank.
    QWidget *pn_km;
    QLabel *lb_km;
    QPushButton *bt_km1;
    QPushButton *bt_km4;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Image9Click();
    void Image8Click();
    void Image7Click();
    void Image6Click();
    void Image10Click();
    void Image4Click();
    void Image5Click();
    void Image3Click();
    void Label1Click();
    void bt_km1Click();
    void bt_km4Click();
    // Keypad +: the other exam, or a word that the bank holds no other.
    void switchExam();
    void chooseExam(int exam);
};
