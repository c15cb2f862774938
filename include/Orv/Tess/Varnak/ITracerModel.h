// ITracerModel: one tracer, the component that carries it, and its initial
// concentration against depth.
//
// The concentration is given as tracer depth tables keyed by a depth-table type and a
// region number. Regions count from 0, and the tables of one type form an unbroken run
// 0, 1, 2, …: region r > 0 can be made, read or deleted only while region r - 1 of the
// same type exists. The model holds its tables through shared handles: a copy of the
// model shares them with its source, so a value changed in a table is seen through both,
// while making or deleting a table changes only the model it is called on. A table
// pointer stays valid until the entry is replaced or deleted in every model sharing it.
#ifndef ORV_TESS_VARNAK_ITRACERMODEL_H
#define ORV_TESS_VARNAK_ITRACERMODEL_H

#include <string>

#include "Orv/Tess/Varnak/Export.h"

namespace Orv::Tess::Varnak {

class ITracerDepthTable;

class ORV_TESS_VARNAK_API ITracerModel {
 public:
  // The kinds of tracer depth table. The model uses the value only as an integer key;
  // other integers are accepted as keys too.
  enum class DepthTableType : int {
    FreePhaseConcentration = 0,      // tracer concentration in its carrier's free phase
    SolutionPhaseConcentration = 1,  // tracer concentration carried in solution
  };

  // The interface holds no data; its implementations copy, move and destroy theirs.
  ITracerModel() = default;
  ITracerModel(ITracerModel const&) = default;
  ITracerModel& operator=(ITracerModel const&) = default;
  virtual ~ITracerModel();

  // Returns the tracer's name, fixed when the model was made.
  virtual std::string getName() = 0;
  // Returns the name of the component that carries the tracer (empty at first).
  virtual std::string getComponentName() = 0;
  // Sets the carrier's name; it is not checked against any component list.
  virtual void setComponentName(std::string const& name) = 0;

  // The region check below runs first in each of the four table operations and throws
  // std::range_error, changing nothing:
  //   region < 0: "'Error in Tracer vs. Depth table for tracer '<name>'.  Region number
  //     '<region>' is invalid.'"
  //   region > 0 without a table under (type, region - 1): "'Error in Tracer vs. Depth
  //     table for tracer '<name>'.  Region number '<region>' is invalid as region
  //     '<region - 1>' does not exist.'"
  // (<name> is the tracer's own name; two blanks follow "'.".)

  // Makes a new, empty table under (type, region), replacing and releasing any table
  // there, and returns it.
  virtual ITracerDepthTable& makeDepthTable(DepthTableType type, int region) = 0;
  // Returns the table under (type, region), or null when there is none.
  virtual ITracerDepthTable* getDepthTable(DepthTableType type, int region) = 0;
  virtual ITracerDepthTable const* getDepthTable(DepthTableType type, int region) const = 0;
  // Removes the table under (type, region); does nothing when there is none.
  virtual void deleteDepthTable(DepthTableType type, int region) = 0;
  // Returns the number of tables of all types.
  virtual int getNumOfDepthTables() const = 0;
  // Returns the number of tables of type `type`.
  virtual int getNumOfDepthTablesOfType(DepthTableType type) const = 0;
  // Returns true when at least one table of type `type` is stored.
  virtual bool hasDepthTablesOfType(DepthTableType type) const = 0;
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_ITRACERMODEL_H
