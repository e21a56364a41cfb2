#pragma once

class QObject;
class QRegularExpressionValidator;

// Validators of the setup pages' line edits: each accepts a whole text of
// its character set up to its length. The validator belongs to parent.
class KValidator {
public:
    KValidator() = delete;

    // Up to length - 1 characters (length at least 1) of the free-text set:
    // the blank, "#", "$", "(", ")" and every character from "+" to "~".
    static QRegularExpressionValidator* All(QObject* parent, unsigned long length);
    // Up to 19 letters, digits and "-".
    static QRegularExpressionValidator* Hostname(QObject* parent);
    // Up to 20 letters, digits, ".", "_" and "-".
    static QRegularExpressionValidator* UserName(QObject* parent);
    static QRegularExpressionValidator* UserPass(QObject* parent);
};
