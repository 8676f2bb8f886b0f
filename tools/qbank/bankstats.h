#pragma once

#include "bank.h"
#include "rawbank.h"

#include <QString>

namespace qbank {

// What a bank holds, as Markdown: questions per question type, kind, study
// set and vehicle class, each class's paper size and how each type makes it
// up, pictures, explanations and error counts. `title` heads the text.
QString statsText(const Bank &bank, const QString &title);
// The same for a bank file or the bytes of one, counted as it is read.
// Throws AppError naming every value the bank cannot hold.
QString statsText(const BankSource &source, const QString &title);

} // namespace qbank
