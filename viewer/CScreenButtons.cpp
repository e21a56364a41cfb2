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
