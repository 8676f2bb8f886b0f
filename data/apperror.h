#pragma once

#include <QString>
#include <stdexcept>

// The one exception type of the program. It carries a text meant for the
// pupil's error box: what failed, and where.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}

    const QString &text() const noexcept { return m_text; }

private:
    QString m_text;
};

// The text of any exception, for the error box.
QString errorText(const std::exception &e);
