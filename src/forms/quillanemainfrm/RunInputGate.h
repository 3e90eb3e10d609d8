#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace quillane {

// While it lives, the program takes no input but a click on the stop button and Escape, which
// asks for the stop; the boxes a run opens get their input as usual. So a run can paint and be
// stopped without a rule or a list command changing what it works on.
class RunInputGate : public QObject {
public:
    RunInputGate(QWidget* stopButton, std::function<void()> stop);
    ~RunInputGate() override;
    RunInputGate(const RunInputGate&) = delete;
    RunInputGate& operator=(const RunInputGate&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_stopButton;
    std::function<void()> m_stop;
};

} // namespace quillane
