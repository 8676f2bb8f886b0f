#pragma once

#include "form.h"
#include "roster.h"

class QLabel;
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
};
