#include "CChnum.h"

#include <QCheckBox>
#include <QDebug>
#include <QRegularExpression>
#include <algorithm>
#include <bitset>
#include <climits>
#include <utility>
#include <vector>

namespace {

const int bitsInMask = int(sizeof(unsigned long) * CHAR_BIT);

// The channel number in a box's object name; -1 (with a debug line) when the
// name holds no digits.
long long channelNumber(const QCheckBox* box)
{
    static const QRegularExpression digits(QStringLiteral("(\\d+)"));
    const QRegularExpressionMatch match = digits.match(box->objectName());
    bool ok = false;
    const long long number = match.hasMatch() ? match.captured(1).toLongLong(&ok) : -1;
    if (!ok) {
        qDebug("[ERROR] Can't find a channel number from %s\n", box->objectName().toLatin1().constData());
        return -1;
    }
    return number;
}

} // namespace

void CChnum::setCheckBoxValue(const QList<QCheckBox*>& boxes, unsigned long mask)
{
    for (int i = 0; i < boxes.size(); ++i)
        boxes.at(i)->setChecked(i < bitsInMask && (mask >> i) & 1UL);
}

unsigned long CChnum::getCheckBoxValue(const QList<QCheckBox*>& boxes)
{
    unsigned long mask = 0;
    for (int i = 0; i < boxes.size() && i < bitsInMask; ++i) {
        if (boxes.at(i)->isChecked())
            mask |= 1UL << i;
    }
    return mask;
}

int CChnum::getCheckedChNum(unsigned long mask)
{
    return int(std::bitset<16>(mask & 0xFFFFUL).count());
}

QList<QCheckBox*> CChnum::showChannelBoxes(const QWidget* parent, int channels)
{
    static const QRegularExpression channelName(QStringLiteral("ch([0-9]+)"));
    QList<QCheckBox*> shown;
    for (QCheckBox* box : parent->findChildren<QCheckBox*>()) {
        const QRegularExpressionMatch match = channelName.match(box->objectName());
        if (!match.hasMatch())
            continue;
        const bool listed = match.captured(1).toInt() < channels;
        box->setVisible(listed);
        if (listed)
            shown.append(box);
    }
    SortCheckBox(&shown);
    return shown;
}

void CChnum::SortCheckBox(QList<QCheckBox*>* boxes)
{
    // Each box's number is read once, so the order is a consistent one even
    // when some names hold no number: those boxes go last, in their order.
    std::vector<std::pair<long long, QCheckBox*>> keyed;
    keyed.reserve(std::size_t(boxes->size()));
    for (QCheckBox* box : *boxes) {
        const long long number = channelNumber(box);
        keyed.emplace_back(number < 0 ? LLONG_MAX : number, box);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 0; i < boxes->size(); ++i)
        (*boxes)[i] = keyed[std::size_t(i)].second;
}
