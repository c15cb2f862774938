// Fills objects through their interfaces, the way a host builds a case, with values
// derived from a seed: each value is the seed plus a count of the values written before
// it in 1/1024 steps, so every value of an object differs from every other, keys rise
// with the row, and two objects filled from different whole-number seeds share no value.
// The same seed and shape always give the same object.
//
// fill() sets the values and rows of one table or object, children aside; furnish()
// also makes one child of every kind the object can hold and fills each.
#ifndef ORV_TESS_VARNAK_TESTS_SUPPORT_FILL_H
#define ORV_TESS_VARNAK_TESTS_SUPPORT_FILL_H

#include <vector>

#include "Orv/Tess/Varnak.h"

namespace support {

namespace ovt = Orv::Tess::Varnak;

// Two-level black-oil tables: one saturated row per element of `entries`, with that many
// undersaturated entries, then the values of the table's own kind (dead oil, constant
// compressibility, compressible oil, dry gas), found by dynamic_cast.
void fill(ovt::IOilTable& table, double seed, std::vector<int> const& entries = {3, 0, 2});
void fill(ovt::IGasTable& table, double seed, std::vector<int> const& entries = {3, 0, 2});

// Tables of rows, and of rows by components.
void fill(ovt::ISolventTable& table, double seed, int rows = 3);
void fill(ovt::IMiscibilityTable& table, double seed, int rows = 3);
void fill(ovt::IBrinePropertyTable& table, double seed, int rows = 3);
void fill(ovt::ITracerDepthTable& table, double seed, int rows = 3);
// With the scalars of the richer kinds (water columns, temperature, salt, interaction).
void fill(ovt::ISolubilityTable& table, double seed, int rows = 3);
void fill(ovt::IDepthTable& table, double seed, int rows = 3, int components = 2);
void fill(ovt::ITemperatureTable& table, double seed, int rows = 3, int components = 2);
// With the temperature or the composition and nominated component of the richer kinds.
void fill(ovt::IKValueTable& table, double seed, int rows = 3, int components = 2);
void fill(ovt::IOilViscosityIndexTable& table, double seed, int rows = 3, int components = 2);

// Objects of scalars: every value they hold beside their children and names.
void fill(ovt::IWaterProperties& water, double seed);       // the fourteen scalars
void fill(ovt::IInitialCondition& condition, double seed);  // datum and contacts
void fill(ovt::IComponent& component, double seed);         // a third of the properties
                                                            // 0 to 53, every choice
void fill(ovt::IReaction& reaction, double seed, int components = 2);
void fill(ovt::ISeparatorStage& stage, double seed);
void fill(ovt::ITrackingModel& tracking, double seed);  // and two tracked names

// Whole objects. Water: scalars, two salts and a brine table. Initial condition: numbers
// and three depth tables. Aqueous-soluble component: its component part and a solubility
// table of each of the five kinds. Fluid model: water, the initial conditions "Crest" and
// "Deep eastern fault block", two temperature tables and the part of its kind: for a
// black-oil model both densities, a gas table of the seed's kind and oil tables of the
// four kinds in regions 1 to 4, solvent and miscibility tables; for a compositional model
// four components (the second aqueous-soluble), interaction coefficients, every K-value
// table kind, the viscosity-index table, its scalars and one reaction. Separator model: a
// group name and two stages. Tracer model: a component name and tables of both types.
// Registry: two black-oil models and a compositional one, a separator model in two versions, a
// tracer model and tracking.
void furnish(ovt::IWaterProperties& water, double seed);
void furnish(ovt::IInitialCondition& condition, double seed);
void furnish(ovt::IAqueousSolubleComponent& component, double seed);
void furnish(ovt::IFluidModel& model, double seed);
void furnish(ovt::ISeparatorModel& model, double seed);
void furnish(ovt::ITracerModel& model, double seed);
void furnish(ovt::IFluidModels& registry, double seed);

}  // namespace support

#endif  // ORV_TESS_VARNAK_TESTS_SUPPORT_FILL_H
