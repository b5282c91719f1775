#include "VersionText.h"

namespace VersionText {

std::optional<QStringList> parse(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    QStringList numbers;
    for (const QString& part : parts) {
        if (part.isEmpty())
            return std::nullopt;
        // ASCII digits only: QChar::isDigit would let other scripts' digits through.
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        }
        qsizetype zeros = 0;
        while (zeros + 1 < part.size() && part[zeros] == QLatin1Char('0'))
            ++zeros;
        numbers << part.mid(zeros);
    }
    return numbers;
}

std::optional<int> compare(const QString& a, const QString& b)
{
    const std::optional<QStringList> left = parse(a);
    const std::optional<QStringList> right = parse(b);
    if (!left || !right)
        return std::nullopt;
    const QString zero = QStringLiteral("0");
    for (qsizetype i = 0; i < qMax(left->size(), right->size()); ++i) {
        const QString& x = i < left->size() ? left->at(i) : zero;
        const QString& y = i < right->size() ? right->at(i) : zero;
        // Numbers of any length compare without overflow: more digits is larger, else digit by digit.
        if (x.size() != y.size())
            return x.size() < y.size() ? -1 : 1;
        if (const int order = x.compare(y); order != 0)
            return order < 0 ? -1 : 1;
    }
    return 0;
}

} // namespace VersionText
