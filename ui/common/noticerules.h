#pragma once

class QLabel;
class QWidget;

// The examination rules of the exam notice, "考试须知：" and its eight rules,
// as labels Label1 to Label9 in the left column of a window; the study-set
// window repeats them.
void addExamRules(QWidget *window, QLabel *labels[9]);
