#pragma once

#include "bank.h"

#include <QString>

namespace qbank {

// What a bank holds, as Markdown: questions per question type, kind, study
// set and vehicle class, each class's paper size and how each type makes it
// up, pictures, explanations and error counts. `title` heads the text.
QString statsText(const Bank &bank, const QString &title);

} // namespace qbank
