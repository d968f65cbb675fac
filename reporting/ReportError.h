#pragma once

#include <QString>

#include <stdexcept>

namespace tavrix {

// A report that cannot be produced: which template, and what failed (missing
// file, a template that does not parse, a data set the server refused ...).
class ReportError : public std::runtime_error {
public:
    ReportError(const QString& templatePath, const QString& problem)
        : std::runtime_error(problem.toStdString()), templatePath_(templatePath), problem_(problem) {}

    const QString& templatePath() const { return templatePath_; }
    const QString& problem() const { return problem_; }

    // The text the user reads: names the template and what failed.
    QString message() const {
        const QString name = templatePath_.isEmpty() ? QStringLiteral("(no template)") : templatePath_;
        return QStringLiteral("The report %1 could not be produced: %2").arg(name, problem_);
    }

private:
    QString templatePath_;
    QString problem_;
};

} // namespace tavrix
