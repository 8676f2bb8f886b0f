#pragma once

#include "form.h"
#include "roster.h"

class QLabel;
class QPushButton;
class Shape;

// The result of an exam: scores the paper, says whether it passes, and ends
// the exam's windows when the pupil leaves it.
class Txxts : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::xxts;

    explicit Txxts(QWidget *parent = nullptr);
    void FormCreate();
    void FormKeyDown(int key) override;

    Shape *Shape1;
    QLabel *Label2;
    Shape *Shape2;
    QLabel *Label3;
    Shape *Shape3;
    QLabel *lb_tsxx;
    QLabel *lbksfs;
    QLabel *lb_ksjg;
    Shape *Shape4;
    Shape *Shape5;
    QPushButton *Button1;
    QPushButton *Button2;
    QLabel *Label1;

private:
    void Button1Click();
    void Button2Click();
    void endExam();
};
