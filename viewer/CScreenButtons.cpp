#include "CScreenButtons.h"

#include <QPushButton>
#include <QRegularExpression>

const char CScreenButtons::SINGLE_PATTERN[] = "Ch[0-9]";
const char CScreenButtons::MULTI_PATTERN[] = "Screen*_*";
const char CScreenButtons::PAGE_PATTERN[] = "Screen*x*";

namespace {

QList<QPushButton*> find(const QWidget* group, const char* pattern)
{
    return group->findChildren<QPushButton*>(QRegularExpression(QLatin1String(pattern)));
}

void uncheck(const QList<QPushButton*>& buttons)
{
    for (QPushButton* button : buttons)
        button->setChecked(false);
}

} // namespace

void CScreenButtons::collect(const QWidget* singleGroup, const QWidget* multiGroup, const QWidget* pageGroup)
{
    m_single = find(singleGroup, SINGLE_PATTERN);
    m_multi = find(multiGroup, MULTI_PATTERN);
    m_page = find(pageGroup, PAGE_PATTERN);
}

void CScreenButtons::uncheckSingleAndMulti()
{
    uncheck(m_multi);
    uncheck(m_single);
}

void CScreenButtons::uncheckPages()
{
    uncheck(m_page);
}

CScreenButtons::Layout CScreenButtons::layoutOf(const QPushButton* button)
{
    const QString name = button->objectName();
    if (name.startsWith(QLatin1String("Ch")))
        return {1, name.mid(2).toInt()};
    const QStringList numbers = name.mid(int(qstrlen("Screen"))).split(QRegularExpression(QStringLiteral("[_x]")));
    const int first = numbers.value(0).toInt();
    if (name.contains(QLatin1Char('x')))
        return {first * first, 0};
    return {first, numbers.value(1).toInt()};
}

void CScreenButtons::checkAlone(QPushButton* button)
{
    if (m_page.contains(button))
        uncheckPages();
    else
        uncheckSingleAndMulti();
    button->setChecked(true);
}

void CScreenButtons::rememberChecked(bool oneDvrLayouts)
{
    const QList<QPushButton*> buttons = oneDvrLayouts ? m_multi + m_single : m_page;
    for (QPushButton* button : buttons) {
        if (button->isChecked())
            m_remembered = button;
    }
}

void CScreenButtons::checkRemembered()
{
    if (m_remembered)
        m_remembered->setChecked(true);
}

void CScreenButtons::checkSingle(int channel)
{
    for (QPushButton* button : std::as_const(m_single)) {
        if (layoutOf(button).start == channel)
            button->setChecked(true);
    }
}
