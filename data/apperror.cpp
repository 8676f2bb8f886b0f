#include "apperror.h"

QString errorText(const std::exception &e)
{
    if (const auto *own = dynamic_cast<const AppError *>(&e))
        return own->text();
    return QString::fromLocal8Bit(e.what());
}
