#include "KValidator.h"

#include "dvr_types/KAssert.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

QRegularExpressionValidator* validator(QObject* parent, const char* pattern, unsigned long length)
{
    const QRegularExpression expression(QString::fromLatin1(pattern).arg(length));
    return new QRegularExpressionValidator(expression, parent);
}

} // namespace

QRegularExpressionValidator* KValidator::All(QObject* parent, unsigned long length)
{
    K_ASSERT(length >= 1, "DVRSetup/KValidator.cpp, KValidator::All");
    // Letters, digits, "/", "_", "@", "=" and "." all lie in the range "+"
    // to "~" (codes 43 to 126); the range must be written in ascending order.
    return validator(parent, "[ #$()+-~]{0,%1}", length - 1);
}

QRegularExpressionValidator* KValidator::Hostname(QObject* parent)
{
    return validator(parent, "[a-zA-Z0-9\\-]{0,%1}", 19);
}

QRegularExpressionValidator* KValidator::UserName(QObject* parent)
{
    return validator(parent, "[a-zA-Z0-9._\\-]{0,%1}", 20);
}

QRegularExpressionValidator* KValidator::UserPass(QObject* parent)
{
    return UserName(parent);
}
