#include "program/program.h"

#include "program/messages.h"

#include <exception>
#include <utility>

namespace zoki {

Program::Program(std::filesystem::path folder_, Dialogs& dialogs_, Random& random_, Platform& platform_, Wiring wiring)
    : folder(std::move(folder_)), dialogs(dialogs_), random(random_), platform(platform_), wiring_(std::move(wiring)) {
    if (wiring_)
        wiring_(*this, form1);
}

Program::~Program() = default;

template <class F> F& Program::ensure(std::unique_ptr<F>& slot) {
    if (!slot) {
        slot = std::make_unique<F>();
        if (wiring_)
            wiring_(*this, *slot);
        if (onFormCreated)
            onFormCreated(*slot);
    }
    return *slot;
}

Form2& Program::form2() { return ensure(form2_); }
Form3& Program::form3() { return ensure(form3_); }
Form4& Program::form4() { return ensure(form4_); }
Form5& Program::form5() { return ensure(form5_); }
BacktestForm& Program::backtestForm() { return ensure(backtestForm_); }

Form* Program::existingForm(FormId id) const {
    switch (id) {
    case FormId::Form1:
        return const_cast<Form1*>(&form1);
    case FormId::Form2:
        return form2_.get();
    case FormId::Form3:
        return form3_.get();
    case FormId::Form4:
        return form4_.get();
    case FormId::Form5:
        return form5_.get();
    case FormId::Backtest:
        return backtestForm_.get();
    }
    return nullptr;
}

bool Program::hasForm(FormId id) const { return existingForm(id) != nullptr; }

void Program::userClosed(FormId id) {
    auto discard = [this](auto& slot) {
        if (!slot)
            return;
        auto gone = std::move(slot);
        if (onFormDiscarded)
            onFormDiscarded(*gone);
    };
    switch (id) {
    case FormId::Form1:
        platform.quit();
        break;
    case FormId::Form2:
        discard(form2_);
        break;
    case FormId::Form3:
        discard(form3_);
        break;
    case FormId::Form4:
        discard(form4_);
        break;
    case FormId::Form5:
        discard(form5_);
        break;
    case FormId::Backtest:
        discard(backtestForm_);
        break;
    }
}

Answer Program::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    return dialogs.messageBox(text, title, buttons, icon);
}

void Program::dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        message(msg::stoppedMessage(e), msg::kWarning, Buttons::Ok, Icon::Critical);
    }
}

MessagesAbout::MessagesAbout(Program& p, std::vector<const Control*> controls)
    : p_(p), outer_(std::exchange(p.messageSubject_, std::move(controls))) {}

MessagesAbout::~MessagesAbout() { p_.messageSubject_ = std::move(outer_); }

} // namespace zoki
