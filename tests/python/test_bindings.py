"""The bindings' own logic: arrays, exception mapping, handles and their lifetime."""

import gc

import numpy as np
import pytest

import orv_tess_varnak as ovt

OIL_ROWS = [(50.0, [[150.0, 1.25, 0.9], [250.0, 1.24, 0.92]]), (100.0, [[200.0, 1.3, 0.8]])]


@pytest.fixture
def model():
    return ovt.StdFluidModels().makeBlackOilModel("Field", False)


def test_arrays_round_trip_and_refused_shapes_change_nothing(model):
    oil = model.makeOilTable(1)
    oil.set_rows(OIL_ROWS)
    assert len(oil) == 2 and oil.getPressure(0, 1) == 250.0 and oil.getViscosity(1, 0) == 0.8
    assert [(k, e.tolist()) for k, e in oil] == OIL_ROWS
    with pytest.raises(ValueError, match=r"entries must have shape \(n, 3\), not \(2,\)"):
        oil.set_rows([(1.0, [[1.0, 2.0, 3.0]]), (2.0, [1.0, 2.0])])
    assert [(k, e.tolist()) for k, e in oil] == OIL_ROWS

    depth = model.makeInitialCondition("EQ").getDepthTable(ovt.IInitialCondition.Property.Temperature)
    depth.from_numpy([1000.0, 2000.0, 3000.0], np.arange(6.0).reshape(3, 2))
    keys, values = depth.to_numpy()
    assert keys.tolist() == [1000.0, 2000.0, 3000.0] and depth.getProperty(2, 1) == 5.0
    assert [v.tolist() for _, v in depth] == values.tolist() == [[0, 1], [2, 3], [4, 5]]
    with pytest.raises(ValueError, match=r"values must have shape \(3, n\), not \(2, 2\)"):
        depth.from_numpy([1.0, 2.0, 3.0], np.zeros((2, 2)))
    assert depth.getNumDepths() == 3 and depth.getDepth(0) == 1000.0

    solvent = model.makeSolventTable()
    solvent.from_numpy([[100.0, 0.02, 0.015], [200.0, 0.007, 0.02]])
    assert solvent.getViscosity(1) == 0.02 and solvent.to_numpy().shape == (2, 3)
    assert ovt.ISolventTable.columns == ("Pressure", "FormationVolumeFactor", "Viscosity")

    bics = ovt.StdCompositionalModel("C").getBICs()
    bics.from_numpy([[0, 0.1, 0.2], [0.1, 0, 0.3], [0.2, 0.3, 0]])
    assert bics.getBIC(2, 1) == 0.3 and bics.to_numpy(3).tolist() == bics.to_numpy(3).T.tolist()

    law = ovt.ConstantCompressibilityFunction(100.0, 2.0, 0.0)
    assert law(5.0) == 2.0 and law(np.zeros((2, 2))).tolist() == [[2.0, 2.0], [2.0, 2.0]]


def test_library_exceptions_keep_their_messages_and_map_by_type(model):
    fluids = ovt.StdFluidModels()
    compositional = fluids.makeCompositionalModel("C", False)
    compositional.makeComponent("C1", ovt.IComponent.Type.Plain)
    cases = [
        (lambda: model.makeOilTable(1).getViscosity(2, 0), IndexError,
         "Invalid sat_index in StdBaseTable"),
        (lambda: compositional.makeComponent("C1", 0), ValueError,
         "ICompositionalModel cannot make a duplicate component named 'C1'"),
        (lambda: model.makeSolventTable().setSize(-1), ValueError, "vector<T> too long"),
        (lambda: fluids.getFluidModel("X"), RuntimeError, "Fluid model 'X' does not exist"),
        (lambda: compositional.getComponent(3), IndexError,
         "Invalid IComponent index (3) passed to ICompositionalModel."),
    ]
    for call, kind, message in cases:
        with pytest.raises(kind) as raised:
            call()
        assert str(raised.value) == message


def test_deleted_or_replaced_objects_raise_instead_of_reaching_freed_memory():
    fluids = ovt.StdFluidModels()
    model = fluids.makeBlackOilModel("Field", False)
    gone = "IOilTable of region 1 no longer exists: its owner deleted or replaced it"

    old = model.makeOilTable(1)
    model.deleteOilTable(1)
    with pytest.raises(ovt.DeletedObjectError, match=gone):
        old.getSaturatedSize()
    assert repr(old) == "<IOilTable of region 1 (deleted)>"
    for _ in range(20):  # a new table may land at the freed address: still not the old one
        model.makeOilTable(1)
        with pytest.raises(ReferenceError):
            old.setSaturatedSize(1)
    replaced = model.getOilTable(1)
    model.makeCompressibleOilTable(1)
    with pytest.raises(ovt.DeletedObjectError):
        replaced.getSurfaceDensity()

    table = model.getOilTable(1)
    water = model.makeWaterProperties()
    fluids.deleteFluidModel("Field")
    fluids.makeBlackOilModel("Field", False).makeOilTable(1)
    for use in (model.getName, lambda: len(table), water.getViscosity):
        with pytest.raises(ovt.DeletedObjectError):
            use()


def test_handles_follow_objects_whose_index_moves():
    fluids = ovt.StdFluidModels()
    compositional = fluids.makeCompositionalModel("C", False)
    for name in ("C1", "C2", "C3"):
        compositional.makeComponent(name, ovt.IComponent.Type.AqueousSoluble)
    c3 = compositional.getComponent(2)
    doomed = compositional.getComponentAsAqueousSolubleComponent("C2")
    compositional.deleteComponent(1)
    assert c3.getName() == "C3" and isinstance(c3, ovt.IAqueousSolubleComponent)
    with pytest.raises(ovt.DeletedObjectError):
        doomed.makeSolubilityTable()

    first, second = fluids.makeSeparatorModel("S"), fluids.makeSeparatorModel("S")
    second.setGroupName("kept")
    fluids.deleteSeparatorModel("S", 0)
    assert second.getGroupName() == "kept"
    with pytest.raises(ovt.DeletedObjectError):
        first.getNumStages()
    stage = second.makeStage()
    second.makeStage()  # the train grows and its stages move; the handle names a place
    stage.setPressure(5.0)
    assert second.getStage(1).getPressure() == 5.0


def test_children_keep_their_owner_alive_and_copies_pick_the_most_derived_interface():
    model = ovt.StdFluidModels().makeBlackOilModel("Field", False)  # the root has no name
    oil, dead = model.makeOilTable(1), model.makeDeadOilTable(2)
    assert isinstance(model.getOilTable(2), ovt.IDeadOilTable)
    source, target = ovt.StdCompressibleOilTable(), ovt.StdCompressibleOilTable()
    source.set_rows(OIL_ROWS)
    source.setCompressibility(1, 1e-4)
    ovt.copy(source, target, 0)
    clone = source.clone()
    del model, source
    gc.collect()
    oil.set_rows(OIL_ROWS)  # the registry lives on through its table
    assert len(oil) == 2 and dead.getDissolvedGas() == 0.0
    assert target.getCompressibility(1) == clone.getCompressibility(1) == 1e-4
    assert len(target) == len(clone) == 2 and isinstance(clone, ovt.ICompressibleOilTable)
    fluids = ovt.StdFluidModels()
    a, b = (fluids.makeBlackOilModel(n, False) for n in "AB")
    a.makeOilTable(1).set_rows(OIL_ROWS)
    ovt.copy(a, b, ovt.COPY_OIL_TABLES)
    assert len(b.getOilTable(1)) == 2
