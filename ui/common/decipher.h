#pragma once

#include <QString>

// Turns an enciphered label text back into text: each pair of hexadecimal
// digits is one byte, combined by exclusive-or with the key table (cycled from
// its first entry), and the bytes are GBK text. A last odd digit is ignored.
// Throws AppError for a pair that is not hexadecimal.
QString decipher(const QString &hex);
