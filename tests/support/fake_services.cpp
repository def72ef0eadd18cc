#include "support/fake_services.h"

#include <QBuffer>
#include <QPdfWriter>

void FakeDialogs::message(QWidget* /*parent*/, const QString& text, MessageIcon icon) {
    messages.push_back({text, icon, false});
    if (onMessage) {
        onMessage(messages.back());
    }
}

std::optional<int> FakeDialogs::askChoice(QWidget* /*parent*/, const QString& text,
                                          const QStringList& choices) {
    messages.push_back(
        {(QStringList(text) + choices).join(QLatin1Char('\n')), MessageIcon::Information, true});
    if (choiceAnswers.empty()) {
        return std::nullopt;
    }
    const std::optional<int> answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

bool FakeDialogs::askYesNo(QWidget* /*parent*/, const QString& text, MessageIcon icon) {
    messages.push_back({text, icon, true});
    if (onMessage) {
        onMessage(messages.back());
    }
    if (yesNoAnswers.empty()) {
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::saveFileName(QWidget* /*parent*/, const FileDialogSpec& spec) {
    fileDialogs.push_back(spec);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    const bool cancelled = !fileAnswers.front().has_value();
    const QString path = fileAnswers.front().value_or(QString());
    fileAnswers.pop_front();
    if (cancelled) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> FakeDialogs::openFileName(QWidget* parent, const FileDialogSpec& spec) {
    return saveFileName(parent, spec);
}

float FakeRandom::next() {
    if (draws.empty()) {
        return 0.0F;
    }
    const float r = draws.front();
    draws.pop_front();
    return r;
}

QString FakeSettings::value(const QString& section, const QString& name) const {
    const auto it = values.find(section + QLatin1Char('/') + name);
    return it == values.end() ? QString() : it->second;
}

void FakeSettings::setValue(const QString& section, const QString& name, const QString& text) {
    values[section + QLatin1Char('/') + name] = text;
    ++writes;
}

QStringList FakeServices::messageTexts() const {
    QStringList texts;
    for (const auto& m : dialogs.messages) {
        texts << m.text;
    }
    return texts;
}

void FakePrinting::printWithPreview(QWidget* /*parent*/, const PrintJob& job) {
    PrintedJob printed{job.title, job.pageSize, 0, {}};
    QBuffer buffer(&printed.pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(job.pageSize);
        printed.pages = job.paint ? job.paint(writer) : 0;
    }
    jobs.push_back(std::move(printed));
}
