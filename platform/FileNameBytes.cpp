// SPDX-License-Identifier: MIT
#include "platform/FileNameBytes.h"

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool isContinuation(uchar byte, uchar low = 0x80, uchar high = 0xBF)
{
    return byte >= low && byte <= high;
}

// The length of the valid UTF-8 sequence at the start of bytes, 0 if none.
qsizetype sequenceLength(QByteArrayView bytes)
{
    const auto at = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : uchar(0); };
    const uchar lead = at(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(at(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms and no surrogates.
        const bool second = isContinuation(at(1), lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF);
        return second && isContinuation(at(2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const bool second = isContinuation(at(1), lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF);
        return second && isContinuation(at(2)) && isContinuation(at(3)) ? 4 : 0;
    }
    return 0;
}

bool isEscape(const QString &name, qsizetype i)
{
    const char16_t unit = name[i].unicode();
    return unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

} // namespace

QString FileNameBytes::decode(QByteArrayView bytes)
{
    QString name;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = sequenceLength(bytes.sliced(i));
        if (length > 0) {
            i += length;
            continue;
        }
        name += QString::fromUtf8(bytes.sliced(start, i - start));
        name += QChar(EscapeBase + uchar(bytes[i]));
        start = ++i;
    }
    return name + QString::fromUtf8(bytes.sliced(start));
}

QByteArray FileNameBytes::encode(const QString &name)
{
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscape(name, i))
            continue;
        bytes += QStringView(name).sliced(start, i - start).toUtf8();
        bytes += char(name[i].unicode() - EscapeBase);
        start = i + 1;
    }
    return bytes + QStringView(name).sliced(start).toUtf8();
}
