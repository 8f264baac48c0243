#include "core/dates/DatePattern.h"

#include <QTimeZone>
#include <cstdlib>
#include <vector>

namespace {

struct Token {
    QChar letter; // null for literal text
    int count = 0;
    QString literal;
};

bool isPatternLetter(QChar c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::vector<Token> tokenize(const QString& pattern) {
    std::vector<Token> tokens;
    auto addLiteral = [&tokens](const QString& text) {
        if (!tokens.empty() && tokens.back().letter.isNull())
            tokens.back().literal += text;
        else
            tokens.push_back(Token{QChar(), 0, text});
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == '\'') {
            if (i + 1 < pattern.size() && pattern.at(i + 1) == '\'') {
                addLiteral(QStringLiteral("'"));
                i += 2;
                continue;
            }
            qsizetype end = i + 1;
            QString text;
            while (end < pattern.size()) {
                if (pattern.at(end) == '\'') {
                    if (end + 1 < pattern.size() && pattern.at(end + 1) == '\'') {
                        text += '\'';
                        end += 2;
                        continue;
                    }
                    break;
                }
                text += pattern.at(end++);
            }
            addLiteral(text);
            i = end + 1;
        } else if (isPatternLetter(c)) {
            qsizetype end = i;
            while (end < pattern.size() && pattern.at(end) == c)
                ++end;
            tokens.push_back(Token{c, int(end - i), {}});
            i = end;
        } else {
            addLiteral(QString(c));
            ++i;
        }
    }
    return tokens;
}

QString padded(qint64 value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

QString monthText(int month, int count, const QLocale& locale, bool standalone) {
    const QLocale::FormatType type = count == 3   ? QLocale::ShortFormat
                                     : count == 4 ? QLocale::LongFormat
                                                  : QLocale::NarrowFormat;
    return standalone ? locale.standaloneMonthName(month, type) : locale.monthName(month, type);
}

QString formatToken(const Token& t, const QDateTime& date, const QLocale& locale) {
    const QDate d = date.date();
    const QTime time = date.time();
    switch (t.letter.unicode()) {
    case 'y':
        if (t.count == 2)
            return padded(d.year() % 100, 2);
        return padded(d.year(), t.count);
    case 'M':
    case 'L':
        if (t.count <= 2)
            return padded(d.month(), t.count);
        return monthText(d.month(), t.count, locale, t.letter == 'L');
    case 'd':
        return padded(d.day(), t.count);
    case 'E':
    case 'c':
        if (t.count == 4)
            return locale.dayName(d.dayOfWeek(), QLocale::LongFormat);
        if (t.count >= 5)
            return locale.dayName(d.dayOfWeek(), QLocale::NarrowFormat);
        return locale.dayName(d.dayOfWeek(), QLocale::ShortFormat);
    case 'a':
        return time.hour() < 12 ? locale.amText() : locale.pmText();
    case 'h':
        return padded(time.hour() % 12 == 0 ? 12 : time.hour() % 12, t.count);
    case 'H':
        return padded(time.hour(), t.count);
    case 'K':
        return padded(time.hour() % 12, t.count);
    case 'k':
        return padded(time.hour() == 0 ? 24 : time.hour(), t.count);
    case 'm':
        return padded(time.minute(), t.count);
    case 's':
        return padded(time.second(), t.count);
    case 'S':
        return padded(time.msec(), 3).left(t.count).leftJustified(t.count, QLatin1Char('0'));
    case 'Z':
        return DatePattern::offsetText(date);
    case 'W':
        return QString::number(DatePattern::weekOfMonth(d, locale));
    default:
        return QString(t.count, t.letter);
    }
}

// Reads the fields of a text one token at a time.
class FieldReader {
public:
    FieldReader(const QString& text, const QLocale& locale) : text_(text), locale_(locale) {}

    bool atEnd() const { return pos_ == text_.size(); }

    bool literal(const QString& expected) {
        if (text_.mid(pos_, expected.size()) != expected)
            return false;
        pos_ += expected.size();
        return true;
    }

    // Up to maxDigits digits (at least one); a sign only where allowed.
    bool number(int maxDigits, bool allowSign, int& out) {
        qsizetype p = pos_;
        bool negative = false;
        if (allowSign && p < text_.size() && (text_.at(p) == '-' || text_.at(p) == '+'))
            negative = text_.at(p++) == '-';
        const qsizetype start = p;
        qint64 value = 0;
        while (p < text_.size() && p - start < maxDigits && text_.at(p).isDigit()) {
            value = value * 10 + text_.at(p).digitValue();
            ++p;
        }
        if (p == start || value > 99999999)
            return false;
        pos_ = p;
        out = int(negative ? -value : value);
        return true;
    }

    // The longest of the names that the text continues with (case-insensitive); index from 1.
    bool name(const QStringList& names, int& out) {
        int best = -1;
        qsizetype bestLength = 0;
        for (int i = 0; i < names.size(); ++i) {
            const QString& n = names.at(i);
            if (!n.isEmpty() && n.size() > bestLength &&
                text_.mid(pos_, n.size()).compare(n, Qt::CaseInsensitive) == 0) {
                best = i;
                bestLength = n.size();
            }
        }
        if (best < 0)
            return false;
        pos_ += bestLength;
        out = best + 1;
        return true;
    }

    bool offset(int& seconds) {
        if (literal(QStringLiteral("Z"))) {
            seconds = 0;
            return true;
        }
        if (pos_ >= text_.size() || (text_.at(pos_) != '+' && text_.at(pos_) != '-'))
            return false;
        const bool negative = text_.at(pos_++) == '-';
        int hours = 0;
        int minutes = 0;
        if (!number(2, false, hours))
            return false;
        literal(QStringLiteral(":"));
        if (!number(2, false, minutes))
            return false;
        // No zone is further than 18 hours from UTC; "-5000" is not an offset.
        if (minutes > 59 || hours * 60 + minutes > 18 * 60)
            return false;
        seconds = (hours * 3600 + minutes * 60) * (negative ? -1 : 1);
        return true;
    }

    const QLocale& locale() const { return locale_; }

private:
    const QString& text_;
    const QLocale& locale_;
    qsizetype pos_ = 0;
};

struct Fields {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0, msec = 0;
    int pm = -1; // -1 unknown, 0 am, 1 pm
    bool twelveHour = false;
    bool hasOffset = false;
    int offsetSeconds = 0;
};

QStringList monthNames(const QLocale& locale, QLocale::FormatType type, bool standalone) {
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names << (standalone ? locale.standaloneMonthName(m, type) : locale.monthName(m, type));
    return names;
}

QStringList dayNames(const QLocale& locale, QLocale::FormatType type) {
    QStringList names;
    for (int d = 1; d <= 7; ++d)
        names << locale.dayName(d, type);
    return names;
}

// A numeric field reads greedily when text follows it, and exactly its width when another
// number follows directly ("yyyyMMdd").
int widthFor(const std::vector<Token>& tokens, size_t i, int greedy) {
    const bool numberFollows = i + 1 < tokens.size() && !tokens[i + 1].letter.isNull();
    return numberFollows ? tokens[i].count : greedy;
}

bool readToken(FieldReader& in, const std::vector<Token>& tokens, size_t i, Fields& f) {
    const Token& t = tokens[i];
    const QLocale& locale = in.locale();
    int ignored = 0;
    switch (t.letter.unicode()) {
    case 'y':
        if (!in.number(widthFor(tokens, i, 6), false, f.year))
            return false;
        if (t.count == 2 && f.year < 100)
            f.year += 2000;
        return true;
    case 'M':
    case 'L':
        if (t.count <= 2)
            return in.number(widthFor(tokens, i, 2), false, f.month);
        return in.name(monthNames(locale, t.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat,
                                  t.letter == 'L'),
                       f.month);
    case 'd':
        return in.number(widthFor(tokens, i, 2), false, f.day);
    case 'E':
    case 'c':
        return in.name(dayNames(locale, t.count == 4 ? QLocale::LongFormat : QLocale::ShortFormat),
                       ignored);
    case 'a': {
        int which = 0;
        if (!in.name(QStringList{locale.amText(), locale.pmText()}, which))
            return false;
        f.pm = which - 1;
        return true;
    }
    case 'h':
    case 'K':
        f.twelveHour = true;
        return in.number(widthFor(tokens, i, 2), false, f.hour);
    case 'H':
    case 'k':
        return in.number(widthFor(tokens, i, 2), false, f.hour);
    case 'm':
        return in.number(widthFor(tokens, i, 2), false, f.minute);
    case 's':
        return in.number(widthFor(tokens, i, 2), false, f.second);
    case 'S':
        return in.number(t.count, false, f.msec);
    case 'Z':
        f.hasOffset = true;
        return in.offset(f.offsetSeconds);
    case 'W':
        return in.number(1, false, ignored);
    default:
        return false;
    }
}

QDateTime compose(Fields f) {
    if (f.twelveHour) {
        if (f.hour < 1 || f.hour > 12)
            return {};
        if (f.pm >= 0)
            f.hour = f.hour % 12 + (f.pm == 1 ? 12 : 0);
    }
    const QDate date(f.year, f.month, f.day);
    const QTime time(f.hour, f.minute, f.second, f.msec);
    if (!date.isValid() || !time.isValid())
        return {};
    if (f.hasOffset)
        return QDateTime(date, time, Qt::OffsetFromUTC, f.offsetSeconds).toLocalTime();
    const QDateTime local(date, time);
    // A wall time that the zone skips does not name a moment.
    if (!local.isValid() || local.date() != date || local.time() != time)
        return {};
    return local;
}

} // namespace

QString DatePattern::format(const QDateTime& date, const QString& pattern, const QLocale& locale) {
    if (!date.isValid())
        return {};
    const QDateTime local = date.toLocalTime();
    QString out;
    for (const Token& t : tokenize(pattern))
        out += t.letter.isNull() ? t.literal : formatToken(t, local, locale);
    return out;
}

QDateTime DatePattern::parse(const QString& text, const QString& pattern, const QLocale& locale) {
    const std::vector<Token> tokens = tokenize(pattern);
    FieldReader in(text, locale);
    Fields fields;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const bool ok = tokens[i].letter.isNull() ? in.literal(tokens[i].literal)
                                                  : readToken(in, tokens, i, fields);
        if (!ok)
            return {};
    }
    if (!in.atEnd())
        return {};
    return compose(fields);
}

QString DatePattern::offsetText(const QDateTime& date) {
    const int offset = date.toLocalTime().offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return QStringLiteral("%1%2%3")
        .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

int DatePattern::weekOfMonth(const QDate& date, const QLocale& locale) {
    if (!date.isValid())
        return 0;
    const int firstWeekday = int(locale.firstDayOfWeek());
    const int lead = (QDate(date.year(), date.month(), 1).dayOfWeek() - firstWeekday + 7) % 7;
    return (date.day() - 1 + lead) / 7 + 1;
}
