// IComponent: one species or pseudo-component of a compositional fluid description.
//
// A component has a name and a type, both fixed when it is made, a sparse set of numeric
// properties (only the properties that were set are present) and a few modelling choices:
// volatility, compressibility, the oil viscosity correlation and its usage, and a density
// type and a viscosity type per phase. The component gives no physical meaning to any of
// them and checks no value: it stores, reports and removes what it is given. Components are
// made, numbered and owned by the compositional model; hosts receive references.
#ifndef ORV_TESS_VARNAK_ICOMPONENT_H
#define ORV_TESS_VARNAK_ICOMPONENT_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API IComponent {
 public:
  // The kind of component, fixed when it is made. The compositional model makes only these
  // two kinds.
  enum class Type : int {
    Plain = 0,           // ordinary hydrocarbon or inert component, never in the water phase
    AqueousSoluble = 1,  // component that also dissolves in water (IAqueousSolubleComponent)
  };

  // Keys of the property map. The deep copy of a component transfers exactly these 53 keys;
  // the component itself accepts any other integer as a key as well.
  enum class Property : int {
    MolecularWeight = 0,                // molar mass
    CriticalPressure = 1,               // critical pressure Pc
    CriticalTemperature = 2,            // critical temperature Tc
    CriticalVolume = 3,                 // critical molar volume Vc
    CriticalZFactor = 4,                // critical compressibility factor Zc
    AcentricFactor = 5,                 // Pitzer acentric factor
    Parachor = 6,                       // parachor, for interfacial tension
    VolumeShift = 7,                    // Peneloux volume translation
    OmegaA = 8,                         // equation-of-state attraction coefficient
    OmegaB = 9,                         // equation-of-state co-volume coefficient
    NormalBoilingPoint = 10,            // boiling temperature at one atmosphere
    SpecificGravity = 11,               // liquid specific gravity relative to water
    ViscosityCriticalVolume = 12,       // critical volume used by the LBC viscosity
    ViscosityCriticalZFactor = 13,      // critical Z-factor used by the LBC viscosity
    ReferenceDensity = 14,              // liquid density at the reference conditions
    ReferencePressure = 15,             // pressure of the reference density
    ReferenceTemperature = 16,          // temperature of the reference density
    LiquidCompressibility = 17,         // isothermal liquid compressibility
    ThermalExpansion1 = 18,             // first liquid thermal expansion coefficient
    ThermalExpansion2 = 19,             // second liquid thermal expansion coefficient
    PressureTemperatureExpansion = 20,  // cross pressure-temperature expansion term
    GasHeatCapacity1 = 21,              // ideal-gas heat capacity, constant term
    GasHeatCapacity2 = 22,              // ideal-gas heat capacity, linear term
    GasHeatCapacity3 = 23,              // ideal-gas heat capacity, quadratic term
    GasHeatCapacity4 = 24,              // ideal-gas heat capacity, cubic term
    LiquidHeatCapacity1 = 25,           // liquid heat capacity, constant term
    LiquidHeatCapacity2 = 26,           // liquid heat capacity, linear term
    HeatOfVaporization = 27,            // latent heat at the normal boiling point
    HeatOfVaporizationExponent = 28,    // Watson exponent of the latent heat
    VaporPressureA = 29,                // Antoine vapour-pressure coefficient A
    VaporPressureB = 30,                // Antoine vapour-pressure coefficient B
    VaporPressureC = 31,                // Antoine vapour-pressure coefficient C
    KValueA = 32,                       // K-value correlation coefficient A
    KValueB = 33,                       // K-value correlation coefficient B
    KValueC = 34,                       // K-value correlation coefficient C
    KValueD = 35,                       // K-value correlation coefficient D
    KValueE = 36,                       // K-value correlation coefficient E
    LiquidViscosityA = 37,              // Andrade liquid viscosity coefficient A
    LiquidViscosityB = 38,              // Andrade liquid viscosity coefficient B
    GasViscosityA = 39,                 // gas viscosity coefficient A
    GasViscosityB = 40,                 // gas viscosity coefficient B
    HenryConstant = 41,                 // Henry's law constant for solubility in water
    HenryReferencePressure = 42,        // pressure at which the Henry constant applies
    HenryMolarVolume = 43,              // partial molar volume in water
    HenryReferenceTemperature = 44,     // temperature at which the Henry constant applies
    OilDiffusionCoefficient = 45,       // molecular diffusion coefficient in oil
    GasDiffusionCoefficient = 46,       // molecular diffusion coefficient in gas
    WaterDiffusionCoefficient = 47,     // molecular diffusion coefficient in water
    ThermalConductivity = 48,           // thermal conductivity
    WaterInteractionCoefficient = 49,   // binary interaction coefficient with water
    MaximumAdsorption = 50,             // Langmuir maximum adsorbed amount on rock
    AdsorptionConstant = 51,            // Langmuir adsorption constant
    ReferenceMolarDensity = 52,         // molar density at the reference conditions
  };

  // Phases for which a density type and a viscosity type may be chosen. Used only as keys.
  enum class PhaseType : int {
    Oil = 0,    // hydrocarbon liquid
    Gas = 1,    // hydrocarbon vapour
    Water = 2,  // aqueous phase
  };

  // How the component's contribution to a phase density is computed; 0 when not chosen.
  enum class DensityType : int {
    EquationOfState = 0,  // from the equation of state (the default)
    Correlation = 1,      // from the reference density, compressibility and expansion
    IdealMixing = 2,      // ideal mixing of pure-component densities
  };

  // How the component's contribution to a phase viscosity is computed; 0 when not chosen.
  enum class ViscosityType : int {
    ModelDefault = 0,  // the model's viscosity correlation (the default)
    Correlation = 1,   // the component's own viscosity coefficients
    Table = 2,         // a viscosity-temperature table
  };

  // Which phases the component may enter.
  enum class VolatilityType : int {
    Volatile = 0,        // partitions between liquid and vapour (the default)
    NonVolatile = 1,     // stays in the liquid
    NonCondensable = 2,  // stays in the vapour
  };

  // How the component's liquid volume responds to pressure.
  enum class CompressibilityType : int {
    EquationOfState = 0,  // from the equation of state (the default)
    Constant = 1,         // constant liquid compressibility
    Incompressible = 2,   // no change with pressure
  };

  // The correlation of oil viscosity against temperature for the component.
  enum class OilViscosityCorrelation : int {
    Table = 0,    // a viscosity-temperature table
    Andrade = 1,  // ln(mu) = A + B / T (the default)
    Astm = 2,     // ASTM double-logarithmic line through two temperatures
    Vogel = 3,    // Vogel-Fulcher-Tammann
  };

  // Where the oil viscosity correlation is applied.
  enum class OilViscosityCorrelationUsage : int {
    NotUsed = 0,        // the correlation is ignored (the default)
    PureComponent = 1,  // gives the pure-component liquid viscosity
    Mixture = 2,        // also drives the mixture viscosity
  };

  // The interface holds no data; its implementations copy, move and destroy theirs.
  IComponent() = default;
  IComponent(IComponent const&) = default;
  IComponent& operator=(IComponent const&) = default;
  virtual ~IComponent();

  // Returns the component's name, fixed when it was made.
  virtual std::string const& getName() const = 0;
  // Returns the component's type, fixed when it was made.
  virtual Type getType() const = 0;
  // Returns true exactly when getType() is Type::AqueousSoluble.
  virtual bool isSolubleInAqueousPhase() const;

  // Returns true when a value is stored under `property`.
  virtual bool hasProperty(Property property) const = 0;
  // Returns the value stored under `property`. Throws std::range_error
  // "Component '<name>' does not have property <integer value>" when there is none.
  virtual double getProperty(Property property) const = 0;
  // Stores `value` under `property` (any double, 0.0 and NaN included), inserting or
  // overwriting; setting never removes a property.
  virtual void setProperty(Property property, double value) = 0;
  // Removes `property`; does nothing when it is absent.
  virtual void deleteProperty(Property property) = 0;

  // The four scalar modelling choices: each getter returns the stored value, each setter
  // stores its argument unchecked. Defaults: volatility 0, compressibility 0, oil
  // viscosity correlation 1, correlation usage 0.
  virtual VolatilityType getVolatilityType() const = 0;
  virtual void setVolatilityType(VolatilityType type) = 0;
  virtual CompressibilityType getCompressibilityType() const = 0;
  virtual void setCompressibilityType(CompressibilityType type) = 0;
  virtual OilViscosityCorrelation getOilViscosityCorrelation() const = 0;
  virtual void setOilViscosityCorrelation(OilViscosityCorrelation correlation) = 0;
  virtual OilViscosityCorrelationUsage getOilViscosityCorrelationUsage() const = 0;
  virtual void setOilViscosityCorrelationUsage(OilViscosityCorrelationUsage usage) = 0;

  // Returns the density type chosen for `phase`, or 0 when none was chosen.
  virtual DensityType getDensityType(PhaseType phase) const = 0;
  // Chooses the density type for `phase`, replacing an earlier choice.
  virtual void setDensityType(PhaseType phase, DensityType type) = 0;
  // Returns the viscosity type chosen for `phase`, or 0 when none was chosen.
  virtual ViscosityType getViscosityType(PhaseType phase) const = 0;
  // Chooses the viscosity type for `phase`, replacing an earlier choice.
  virtual void setViscosityType(PhaseType phase, ViscosityType type) = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ICOMPONENT_H
