#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QVariant>

#include <deque>
#include <functional>
#include <string>

// Answers the modal dialogs a test opens, in order: each step waits for the
// next modal dialog to show, checks its class and runs on it. A dialog that
// comes when no step is left, or of the wrong class, fails the test and is
// dismissed, so a test never hangs on a dialog nobody answers.
class ModalAnswers {
public:
    ModalAnswers() {
        m_timer.setInterval(kPollMilliseconds);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    ~ModalAnswers() { EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " expected dialog(s) never opened"; }

    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    template <class T>
    ModalAnswers& Then(std::function<void(T&)> answer) {
        m_steps.push_back([answer](QDialog& dialog) {
            T* typed = qobject_cast<T*>(&dialog);
            if (typed == nullptr) {
                ADD_FAILURE() << "a dialog of another class opened: " << dialog.metaObject()->className();
                dialog.reject();
                return;
            }
            answer(*typed);
        });
        return *this;
    }

    // How many dialogs have been answered so far.
    int Answered() const { return m_answered; }

private:
    static constexpr int kPollMilliseconds = 5;
    static constexpr const char* kAnsweredMark = "answeredByTest";

    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog->property(kAnsweredMark).toBool()) return;
        dialog->setProperty(kAnsweredMark, true);
        if (m_steps.empty()) {
            ADD_FAILURE() << "an unexpected dialog opened: " << dialog->metaObject()->className();
            dialog->reject();
            return;
        }
        const std::function<void(QDialog&)> step = std::move(m_steps.front());
        m_steps.pop_front();
        ++m_answered;
        step(*dialog);
    }

    QTimer m_timer;
    std::deque<std::function<void(QDialog&)>> m_steps;
    int m_answered = 0;
};
