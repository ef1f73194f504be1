// How a lab makes its model available to the command-line calculator:
// one descriptor per lab lists its inputs (with defaults and units) and runs
// the model from NAME=VALUE texts, applying the bench's entry rules.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

namespace ohmaris {

struct CalcInput {
    QString name;
    QString defaultText; // as a student would type it on the bench
    QString unit;        // empty for switches and knob positions
    QString help;        // one short line
};

struct CalcResult {
    QJsonObject inputs;  // stored values, after offsets and caps
    QJsonObject outputs; // model quantities under their own field names
    QString error;       // non-empty: one line naming the problem
};

struct LabCalc {
    int lab = 0;
    QString title;
    std::vector<CalcInput> inputs;
    // Arguments hold only names listed in `inputs`; missing ones take their
    // defaults. Bad values are reported through CalcResult::error.
    std::function<CalcResult(const QMap<QString, QString> &args)> run;
};

// A 32-bit result as JSON: the shortest decimal that reads back as the same
// float, so 10.666f prints as 10.666 rather than 10.666000366210938.
QJsonValue FloatJson(float value);

} // namespace ohmaris
