#include "run.h"

#include "csvnumber.h"
#include "gasmodel.h"

namespace {

// The series and the density stop with the samples; the summary and the results go on.
QString noteOnSamples(const GasModel &model, const RunOptions &options)
{
    const QString kind = QLatin1String(options.output->name);
    const bool sampled = kind == QLatin1String("series") || kind == QLatin1String("density");
    if (!sampled || model.timeData().size() < GasModel::maxSamples)
        return {};
    return QStringLiteral("the %1 stops at t = %2, the %3th sample, where the program stops "
                          "recording; the summary covers the whole run")
        .arg(kind, QString::fromStdString(csvNumber(model.timeData().last())))
        .arg(GasModel::maxSamples);
}
} // namespace

void setUp(GasModel &model, const RunOptions &options)
{
    // The size while the spacing is still the constructor's, as the demonstration's field does:
    // the lattice's origin never moves with the spacing.
    model.setSize(GasModel::fieldSize, GasModel::fieldSize);
    model.seedRandom(unsigned(options.seed));
    if (options.fillStrip) {
        GasSettings emptyField = options.settings;
        emptyField.setValue(SettingKey::Electrons, 0);
        emptyField.apply(model);
        model.fillSelectedStrip(options.settings.electrons());
    } else {
        options.settings.apply(model);
    }
    for (const Lesson::Electron &e : options.lessonElectrons)
        model.addElectronAt(e.centre, e.angle);
    if (!options.lessonElectrons.isEmpty())
        model.moveTrappedElectronsToFreeSpots();
    for (const PlacedElectron &e : options.placedElectrons)
        model.addElectron(e.x, e.y, GasModel::bearingToAngle(e.bearing));
}

RunReport makeRun(const RunOptions &options, std::atomic<long long> &stepsDone)
{
    GasModel model;
    setUp(model, options);
    for (int i = 0; i < options.totalSteps(); ++i) {
        if (options.reverseAfter > 0 && i == options.reverseAfter)
            model.reverseDirections();
        model.step(GasModel::tickMs);
        stepsDone.fetch_add(1, std::memory_order_relaxed);
    }
    return {options.output->rows({model, options}), noteOnSamples(model, options)};
}
