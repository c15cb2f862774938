// Everything a host can observe of an object, written out as one string.
//
// The reliability tests compare an object's snapshot before and after a call that
// failed, to prove that the call changed nothing. A snapshot reads the object through
// its interface alone, the way a host would: every count, every value (doubles by their
// exact bit pattern, so NaN and -0.0 compare as stored), every child. Sparse keyed
// children (depth tables, temperature tables, component properties, interaction
// coefficients) are read for the keys in the probe lists below; tests and the fuzzer
// draw their keys from the same lists, so nothing they can store escapes the snapshot.
#ifndef ORV_TESS_VARNAK_TESTS_SUPPORT_OBSERVE_H
#define ORV_TESS_VARNAK_TESTS_SUPPORT_OBSERVE_H

#include <string>
#include <vector>

#include "Orv/Tess/Varnak.h"

namespace support {

// Integer keys of the keyed children: temperature-table properties, depth-table
// properties and tracer depth-table types. The enumerators, a few integers beyond them
// and both ends of int.
std::vector<int> const& tableKeys();
// Component property keys: the 53 named ones, one below and one beyond, and INT_MAX.
std::vector<int> const& propertyKeys();
// Component indices probed in the interaction coefficient matrices.
int constexpr kFirstPairIndex = -2;
int constexpr kLastPairIndex = 9;

std::string observe(Orv::Tess::Varnak::ITemperatureTable const& table);
std::string observe(Orv::Tess::Varnak::IDepthTable const& table);
std::string observe(Orv::Tess::Varnak::IInitialCondition const& condition);
std::string observe(Orv::Tess::Varnak::IBrinePropertyTable const& table);
std::string observe(Orv::Tess::Varnak::IWaterProperties const& water);
// Also the black-oil or compositional part, whichever kind the model is.
std::string observe(Orv::Tess::Varnak::IFluidModel const& model);
std::string observe(Orv::Tess::Varnak::ISolventTable const& table);
std::string observe(Orv::Tess::Varnak::IMiscibilityTable const& table);
std::string observe(Orv::Tess::Varnak::IOilTable const& table);
std::string observe(Orv::Tess::Varnak::IGasTable const& table);
// Also the solubility tables of an aqueous-soluble component.
std::string observe(Orv::Tess::Varnak::IComponent const& component);
std::string observe(Orv::Tess::Varnak::IAqueousSolubleComponent const& component);
std::string observe(Orv::Tess::Varnak::IKValueTable const& table);
std::string observe(Orv::Tess::Varnak::IBinaryInteractionCoefficients const& coefficients);
std::string observe(Orv::Tess::Varnak::IReaction const& reaction);
std::string observe(Orv::Tess::Varnak::IOilViscosityIndexTable const& table);
std::string observe(Orv::Tess::Varnak::ISolubilityTable const& table);
std::string observe(Orv::Tess::Varnak::ISeparatorStage const& stage);
std::string observe(Orv::Tess::Varnak::ISeparatorModel const& model);
std::string observe(Orv::Tess::Varnak::ITracerDepthTable const& table);
std::string observe(Orv::Tess::Varnak::ITracerModel const& model);
std::string observe(Orv::Tess::Varnak::ITrackingModel const& model);
// The whole description held by a registry.
std::string observe(Orv::Tess::Varnak::IFluidModels const& registry);

}  // namespace support

#endif  // ORV_TESS_VARNAK_TESTS_SUPPORT_OBSERVE_H
