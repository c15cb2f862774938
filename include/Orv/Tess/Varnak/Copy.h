// Deep copies: transfer the content of one object into another of the same interface.
//
// Every `copy` reads the source through its interface and writes the target through its
// interface, value by value (the source's getter, then the target's setter), so source
// and target may be of any implementation. The caller provides and keeps both objects.
// A copy creates children of the target (water properties, depth tables, gas and oil
// tables, components, solubility tables) only where its contract says so, removes
// children only where it says so, and leaves everything else in the target as it was.
// Tables are resized to the source's counts before any row is written.
//
// When source and target are both exactly the library's own classes (the dynamic type
// itself, not a host's class derived from one), a copy moves whole rows of storage at once
// instead of value by value. It resizes in the same steps, so every result is the same:
// the target's content, the exceptions, what a failed copy leaves behind.
//
// The `int flags` argument selects what a model copy transfers, bit by bit; a copy passes
// the word on unchanged to every copy it calls, and the table copies ignore it:
//
//   1   the water properties of a fluid model
//   2   the initial conditions that source and target both hold (matched by name)
//   4   the depth tables of those initial conditions
//   8   the gas table of a black-oil model
//   16  the oil tables of a black-oil model (regions 1 to getNumOfOilTables())
//   32  the components and interaction coefficients of a compositional model
//
// Other bits are ignored. The copies check nothing of their own: an exception raised by
// an operation they call passes through unchanged, and what was transferred before it
// stays transferred (nothing is rolled back).
#ifndef ORV_TESS_VARNAK_COPY_H
#define ORV_TESS_VARNAK_COPY_H

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/IComponent.h"

namespace Orv::Tess::Varnak {

class IAqueousSolubleComponent;
class IBlackOilModel;
class ICompositionalModel;
class ICompressibleOilTable;
class IDepthTable;
class IFluidModel;
class IGasTable;
class IInitialCondition;
class IInteractionSolubilityTable;
class IMiscibilityTable;
class IOilTable;
class IOilViscosityIndexTable;
class ISaltSolubilityTable;
class ISolubilityTable;
class ISolubilityWaterPropertiesTable;
class ISolventTable;
class ITemperatureKValueTable;
class ITemperatureSolubilityTable;
class ITemperatureTable;
class IWaterProperties;

// The common fluid-model part, water and initial conditions.

// Transfers the part every fluid model shares. Bit 1: the source's water properties are
// copied into the target's (made first when the target has none), or the target's are
// deleted when the source has none. Bit 2: each initial condition of the source whose
// name the target also holds is copied into it; no initial condition is made or deleted.
// The name and the temperature tables are not transferred.
ORV_TESS_VARNAK_API void copy(IFluidModel const& source, IFluidModel& target, int flags);

// Transfers the datum depth and pressure and the two contacts with their capillary
// pressures. Bit 4: for each depth-table property 0 to 11, the source's table is copied
// into the target's (made first when missing), or the target's is deleted when the source
// has none. The name is not transferred.
ORV_TESS_VARNAK_API void copy(IInitialCondition const& source, IInitialCondition& target,
                              int flags);

// Gives the target the source's depth and component counts, depths and values.
ORV_TESS_VARNAK_API void copy(IDepthTable const& source, IDepthTable& target, int flags);

// Gives the target the source's temperature and component counts, temperatures and values.
ORV_TESS_VARNAK_API void copy(ITemperatureTable const& source, ITemperatureTable& target,
                              int flags);

// Transfers surface density, pressure, formation volume factor, compressibility, viscosity
// and viscosibility, in that order. The K-value coefficients, the reference temperature,
// the thermal-expansion coefficients and the brine of the target are left as they are.
ORV_TESS_VARNAK_API void copy(IWaterProperties const& source, IWaterProperties& target, int flags);

// Aqueous-soluble components and their solubility tables.

// Transfers the solubility tables of an aqueous-soluble component (not its component
// part: that is the component copy's work). Each table the source holds is copied into
// the target's table of the same kind and name, made first when missing; tables only the
// target holds are kept.
ORV_TESS_VARNAK_API void copy(IAqueousSolubleComponent const& source,
                              IAqueousSolubleComponent& target, int flags);

// Each of the five solubility-table copies resizes the target to the source's row count,
// then writes every row; the richer kinds then transfer their own scalars.
ORV_TESS_VARNAK_API void copy(ISolubilityTable const& source, ISolubilityTable& target);
ORV_TESS_VARNAK_API void copy(ISolubilityWaterPropertiesTable const& source,
                              ISolubilityWaterPropertiesTable& target);
// Then the temperature.
ORV_TESS_VARNAK_API void copy(ITemperatureSolubilityTable const& source,
                              ITemperatureSolubilityTable& target);
// Then the salt concentration, brine surface density and reference salt concentration.
ORV_TESS_VARNAK_API void copy(ISaltSolubilityTable const& source, ISaltSolubilityTable& target);
// Then the interaction component's name and mole fraction.
ORV_TESS_VARNAK_API void copy(IInteractionSolubilityTable const& source,
                              IInteractionSolubilityTable& target);

// Black-oil models and tables.

// Transfers the gas and oil densities and, through the fluid-model copy, the common part.
// Bit 8: the source's gas table is copied into the target's (a new StdGasTable when the
// target has none), or the target's is deleted when the source has none. Bit 16: for
// each region 1 to source.getNumOfOilTables(), a compressible source table is copied into
// the target's compressible table (made, replacing any other kind, when missing), another
// source table into the target's table of any kind (a new StdOilTable when missing), and
// a missing source table deletes the target's. Target tables keep their kind and their
// kind-specific values; regions outside 1 to the count are neither read nor touched. The
// solvent and miscibility tables are not transferred.
ORV_TESS_VARNAK_API void copy(IBlackOilModel const& source, IBlackOilModel& target, int flags);

// Give the target the source's saturated rows, their undersaturated entries and the
// surface density; rows and entries beyond the source's are dropped. The target's
// dead-oil or dry-gas values are not touched.
ORV_TESS_VARNAK_API void copy(IOilTable const& source, IOilTable& target, int flags);
ORV_TESS_VARNAK_API void copy(IGasTable const& source, IGasTable& target, int flags);

// Transfers each row's compressibility and viscosibility, then the rows, entries and
// surface density as the oil-table copy does. The molecular weight, specific heat and
// temperature expansion coefficients are not transferred.
ORV_TESS_VARNAK_API void copy(ICompressibleOilTable const& source, ICompressibleOilTable& target,
                              int flags);

// Transfer the rows, then the surface density (solvent) or the viscosity and density
// mixing parameters (miscibility).
ORV_TESS_VARNAK_API void copy(ISolventTable const& source, ISolventTable& target, int flags);
ORV_TESS_VARNAK_API void copy(IMiscibilityTable const& source, IMiscibilityTable& target,
                              int flags);

// Compositional models, components and tables.

// Transfers the properties 0 to 52 (a property the source lacks is deleted from the
// target) and the volatility, compressibility, oil viscosity correlation and its usage;
// then, when the target reports itself soluble in the aqueous phase and both are
// aqueous-soluble components, their solubility tables. The name, the type, the per-phase
// density and viscosity types and properties under other keys are not transferred.
ORV_TESS_VARNAK_API void copy(IComponent const& source, IComponent& target, int flags);

// Transfers the common part through the fluid-model copy and the equation of state.
// Bit 32: aligns the target's components with the source's (deleting the target's last
// ones, or making the missing ones with the source's names and types; the target's
// remaining components keep their names), copies each component and the interaction
// coefficients. A name the target already holds elsewhere makes the alignment throw
// std::invalid_argument, leaving the target as far as the copy got.
ORV_TESS_VARNAK_API void copy(ICompositionalModel const& source, ICompositionalModel& target,
                              int flags);

// Aligns the components as the model copy does, then transfers only `property` of each
// component (deleting it where the source's component lacks it).
ORV_TESS_VARNAK_API void copy(ICompositionalModel const& source, ICompositionalModel& target,
                              IComponent::Property property);

// Give the target the source's counts, row keys and values (and, for the K-value table,
// the temperature).
ORV_TESS_VARNAK_API void copy(ITemperatureKValueTable const& source,
                              ITemperatureKValueTable& target, int flags);
ORV_TESS_VARNAK_API void copy(IOilViscosityIndexTable const& source,
                              IOilViscosityIndexTable& target, int flags);

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_COPY_H
