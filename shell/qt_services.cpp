#include "shell/qt_services.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace zoki::qt {

QString displayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    // A long line wraps where the text allows it, and it allows a break
    // between a kanji and a digit, and at a blank: "第1500回" stays whole,
    // and "ボーナス 4" keeps its number.
    static const QRegularExpression drawName(QStringLiteral("第(\\d+)回"));
    static const QRegularExpression bonus(QStringLiteral("ボーナス (\\d)"));
    s.replace(drawName, QStringLiteral("第\u2060\\1\u2060回"));
    s.replace(bonus, QStringLiteral("ボーナス\u00A0\\1"));
    return s;
}

QString dialogFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        QString spaced = patterns;
        spaced.replace(u';', u' ');
        // Qt reads the patterns from the parentheses of the description.
        entries << (description.contains(u'(') ? description : description + " (" + spaced + ")");
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

// Counts the open dialogs for as long as one is on screen.
struct OpenDialog {
    explicit OpenDialog(int& depth) : depth(depth) { ++depth; }
    ~OpenDialog() { --depth; }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;
    int& depth;
};

// A message box. A question is answered by its buttons alone (or Enter on
// the default one): QMessageBox takes No for its escape button, so Esc or
// the close box would answer No, and for the keep question throw the run away.
class MessageBox : public QMessageBox {
public:
    MessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent,
               bool question)
        : QMessageBox(icon, title, text, buttons, parent), question(question) {}

    std::function<void(QWidget&)> place;

protected:
    // The box has its size only now, just before it appears.
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (place)
            place(*this);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (question && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (question) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    const bool question;
};

} // namespace

Answer QtDialogs::messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    const bool question = buttons != Buttons::Ok;
    MessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, QString::fromStdString(title),
                   displayText(text), question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                   owner ? owner() : nullptr, question);
    box.setTextFormat(Qt::PlainText);
    box.place = place;
    if (question)
        box.setDefaultButton(buttons == Buttons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
    const OpenDialog open(depth_);
    const int result = box.exec();
    if (!question)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<std::string> QtDialogs::saveFileName(const std::string& filter, const std::string& lastName) {
    const QString start = lastName.empty() ? QDir::homePath() : QString::fromStdString(lastName);
    const OpenDialog open(depth_);
    // The program asks its own questions about existing files.
    const QString chosen = QFileDialog::getSaveFileName(
        owner ? owner() : nullptr, QString(), start, dialogFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtDialogs::openFileName(const std::string& title, const std::string& filter,
                                                   const std::string& folder) {
    const QString start = folder.empty() ? QDir::homePath() : QString::fromStdString(folder);
    const OpenDialog open(depth_);
    const QString chosen = QFileDialog::getOpenFileName(owner ? owner() : nullptr, QString::fromStdString(title), start,
                                                        dialogFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

void QtPlatform::quit() {
    if (quitting_)
        return;
    quitting_ = true;
    if (beforeQuit)
        beforeQuit();
    QCoreApplication::exit(0);
}

} // namespace zoki::qt
