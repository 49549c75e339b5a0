#include "PdfPageBoxes.h"

#include <QRegularExpression>

#include <utility>

namespace pluvane {

namespace {

// Where the bytes moved: each replacement's old start and its change in length.
using Shifts = std::vector<std::pair<qsizetype, qsizetype>>;

qsizetype shifted(qsizetype offset, const Shifts& shifts)
{
    qsizetype moved = offset;
    for (const auto& [at, delta] : shifts)
        if (at < offset)
            moved += delta;
    return moved;
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 4);
}

// Rewrites the one cross-reference table the writer makes ("xref", "0 N",
// N entries of 20 bytes) and the offset after "startxref".
void fixCrossReferences(QByteArray& pdf, const Shifts& shifts)
{
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    if (xref < 0)
        return;
    const qsizetype countAt = xref + 6;
    const qsizetype lineEnd = pdf.indexOf('\n', countAt);
    const QList<QByteArray> range = pdf.mid(countAt, lineEnd - countAt).split(' ');
    const int count = range.value(1).toInt();
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = lineEnd + 1 + qsizetype { 20 } * i;
        if (entry + 20 > pdf.size() || pdf.at(entry + 17) != 'n')
            continue;
        const qsizetype offset = pdf.mid(entry, 10).toLongLong();
        pdf.replace(entry, 10, QByteArray::number(shifted(offset, shifts)).rightJustified(10, '0'));
    }
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    if (start < 0)
        return;
    const qsizetype valueAt = start + 10;
    const qsizetype valueEnd = pdf.indexOf('\n', valueAt);
    pdf.replace(valueAt, valueEnd - valueAt, QByteArray::number(xref + 1));
}

} // namespace

void setExactPageBoxes(QByteArray& pdf, const std::vector<QSizeF>& pagePoints)
{
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
    Shifts shifts;
    QByteArray out;
    out.reserve(pdf.size() + 64 * static_cast<qsizetype>(pagePoints.size()));
    const QString text = QString::fromLatin1(pdf);
    qsizetype copied = 0;
    std::size_t page = 0;
    for (auto m = box.globalMatch(text); m.hasNext() && page < pagePoints.size(); ++page) {
        const auto match = m.next();
        const double width = match.captured(1).toDouble();
        const double height = match.captured(2).toDouble();
        const QSizeF exact = pagePoints[page];
        if (exact.width() > width || exact.height() > height)
            continue;
        const QByteArray replacement = "/MediaBox [0 " + number(height - exact.height()) + " " + number(exact.width())
            + " " + number(height) + "]";
        out += pdf.mid(copied, match.capturedStart() - copied);
        out += replacement;
        copied = match.capturedEnd();
        shifts.emplace_back(match.capturedStart(), replacement.size() - match.capturedLength());
    }
    out += pdf.mid(copied);
    pdf = std::move(out);
    fixCrossReferences(pdf, shifts);
}

} // namespace pluvane
