#pragma once

#include "form.h"
#include "paperdraw.h"
#include "roster.h"
#include "table.h"

class QLabel;
class QPushButton;
class Picture;
class Shape;

// The exam notice. Confirming it draws a fresh paper into note and opens the
// exam window; there is no way back but through the exam.
class Tksxz : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ksxz;
    // Where the paper drawing takes its seeds from (tests fix them).
    static exam::SeedSource &seedSource();

    explicit Tksxz(QWidget *parent = nullptr);
    void FormCreate();
    void FormKeyDown(int key) override;

    Picture *Image1;
    Shape *Shape1;
    Shape *Shape2;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QLabel *Label11;
    QLabel *Label12;
    QLabel *Label13;
    QLabel *Label14;
    QPushButton *BitBtn1;
    data::Table ADO_note{QStringLiteral("note")};

private:
    void BitBtn1Click();
};

