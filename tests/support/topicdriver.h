#pragma once

#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace parta {
class Shell;
}

namespace parta::test {

// How the content test works one topic: it opens a variant, answers each item
// by the key or not, and reads which items the check marked wrong. One driver
// per topic; the content test walks every variant of every driver.
class TopicDriver {
public:
    virtual ~TopicDriver() = default;

    virtual QString name() const = 0;
    virtual int variants() const = 0;
    virtual int items(int variant) const = 0;
    // Brings variant k on screen, ready to be answered, and returns its window.
    virtual QWidget *open(Shell &shell, int variant) = 0;
    // Answers item i (from 0) as the key says, or in a way the key does not accept.
    virtual void answer(QWidget *window, int variant, int item, bool byTheKey) = 0;
    virtual bool isMarkedWrong(QWidget *window, int variant, int item) const = 0;
    // The error counter of the window.
    virtual QString errorCounter() const { return QStringLiteral("Label4"); }
};

std::vector<std::unique_ptr<TopicDriver>> topicDrivers();

// A left click on a control of a window, as the pupil makes it.
void clickControl(QWidget *window, const QString &name);

} // namespace parta::test
