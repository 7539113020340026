#pragma once

// Small helpers for reading recorded card sheets in tests.

#include "core/RandomSource.h"
#include "print/RecordingSurface.h"

#include <QPoint>

#include <functional>
#include <vector>

namespace kaarttest {

using Op = print::PageOperation;
using Kind = print::PageOperation::Kind;

// Always the same number: every cell of a random card gets the same letter.
class ConstantRandom : public core::RandomSource
{
public:
    explicit ConstantRandom(double u) : m_u(u) {}
    void reseed() override {}
    double next() override { return m_u; }

private:
    double m_u;
};

inline std::vector<Op> select(const std::vector<Op> &ops, const std::function<bool(const Op &)> &keep)
{
    std::vector<Op> result;
    for (const Op &op : ops)
        if (keep(op))
            result.push_back(op);
    return result;
}

// Texts written in one colour and font size.
inline std::vector<Op> texts(const std::vector<Op> &ops, const QColor &colour, double points)
{
    return select(ops, [&](const Op &op) {
        return op.kind == Kind::Text && op.colour == colour && op.font.points == points;
    });
}

inline std::vector<QPoint> positions(const std::vector<Op> &ops)
{
    std::vector<QPoint> result;
    for (const Op &op : ops)
        result.emplace_back(op.x1, op.y1);
    return result;
}

// Index of the first and last operation that matches, or -1.
inline int firstIndex(const std::vector<Op> &ops, const std::function<bool(const Op &)> &match)
{
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (match(ops[i]))
            return int(i);
    return -1;
}
inline int lastIndex(const std::vector<Op> &ops, const std::function<bool(const Op &)> &match)
{
    for (std::size_t i = ops.size(); i-- > 0;)
        if (match(ops[i]))
            return int(i);
    return -1;
}

} // namespace kaarttest

#include <ostream>

// Readable values in failure messages.
inline void PrintTo(const QPoint &p, std::ostream *os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QColor &c, std::ostream *os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ')';
}
