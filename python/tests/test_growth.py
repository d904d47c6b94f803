"""Growth curves and fits: curves evaluate over numpy arrays, fits come from files and arrays,
and a plant's six curves can be read and replaced."""

import math
import pickle

import numpy
import pytest

import burgeon

WORKED = "0 0 0\n1 0 2\n2 1 4\n3 3 6\n"


def test_a_curve_evaluates_over_arrays():
    curve = burgeon.GrowthCurve(bottom=0.5, top=4.5, slope=1.0, tmid=2.0)
    times = numpy.linspace(0, 10, 11)
    values = curve(times)
    assert values.shape == (11,) and values.dtype == numpy.float64
    expected = 0.5 + 4.0 / (1 + numpy.exp(1.0 * (2.0 - times)))
    assert numpy.allclose(values, expected, rtol=1e-14, atol=0)
    assert curve(2.0) == pytest.approx(2.5)
    assert isinstance(curve(2.0), float)
    assert curve(numpy.array([[2.0]])).shape == (1, 1)
    # Far before the middle the rise is gone: the curve's bottom, not a failure.
    assert curve(-1e6) == 0.5
    # The size an organ is drawn at: a fifth of the rise above bottom.
    assert curve.size(1e6) == pytest.approx(4.0 / 5)
    assert curve.size(numpy.array([0.0, 2.0]))[1] == pytest.approx(0.4)
    assert curve == burgeon.GrowthCurve(0.5, 4.5, 1.0, 2.0)
    assert pickle.loads(pickle.dumps(curve)) == curve
    assert repr(curve) == "GrowthCurve(bottom=0.5, top=4.5, slope=1.0, tmid=2.0)"
    with pytest.raises(AttributeError):
        curve.top = 3


def test_fits_from_a_file_and_from_arrays(tmp_path):
    path = tmp_path / "worked.txt"
    path.write_text(WORKED)
    fit = burgeon.fit_growth(path)
    assert (fit.bottom, fit.top, fit.slope, fit.tmid) == (0, 4.5, 1, 1)
    assert fit.boxes == {"bottom": "0", "top": "4.5", "slope": "1", "tmid": "1"}
    assert [m.text for m in fit.messages] == ["LifeCycle time=3", "# of Var = 2", "L=0, U=4.5, m=1, T=1"]
    assert fit.times.tolist() == [0, 1, 2, 3] and fit.means.tolist() == [0, 3.5, 4.5, 4.5]
    assert fit.life_cycle_time == 3 and fit.organ == "all" and fit.data == WORKED
    assert isinstance(fit, burgeon.GrowthCurve)

    times = numpy.arange(4)
    sizes = numpy.array([[0, 0], [0, 2], [1, 4], [3, 6]])
    from_arrays = burgeon.fit_growth(times, sizes, organ="petiole")
    assert from_arrays == fit
    assert from_arrays.curves["petiole"] == fit and from_arrays.curves["internode"] == burgeon.GrowthCurve()
    one_column = burgeon.fit_growth([0, 1, 2, 3], [0.0, 1.5, 3.0, 3.2])
    (tmp_path / "one.txt").write_text("0 0\n1 1.5\n2 3\n3 3.2\n")
    from_file = burgeon.fit_growth(tmp_path / "one.txt")
    assert one_column == from_file
    assert one_column.means.tolist() == from_file.means.tolist() == [0.0, 3.0, 3.2, 3.2]
    # Tiny sizes are written without exponents, as a file holds them.
    assert burgeon.fit_growth(times, sizes * 1e-7).top == pytest.approx(4.5e-7)


def test_a_plants_curves_are_read_and_replaced():
    plant = burgeon.open_session("sessions/1-soybean.burgeon", seed=1)
    assert list(plant.curves) == list(burgeon.ORGANS)
    internode = plant.curves["internode"]
    assert internode == burgeon.GrowthCurve(0.00125, 5.31, 0.42, 11.0)
    assert plant.settings["growth.internode.top"] == 5.31
    before = plant.organs(40)

    typed = burgeon.GrowthCurve(0.0, 8.0, 0.5, 12.0)
    plant.curves["internode"] = typed
    assert plant.curves["internode"] == typed
    assert plant.settings["growth.internode.data"] == []
    assert not (plant.organs(40) == before).all()

    fit = burgeon.fit_growth("growth/leaf-length.txt", organ="leaf-length")
    plant.curves["leaf-length"] = fit
    assert plant.curves["leaf-length"] == fit
    assert plant.settings["growth.fitted"] == "leafLength"
    assert "\n".join(plant.settings["growth.leafLength.data"]) == fit.data.rstrip("\n")

    plant.curves["all"] = typed
    assert all(plant.curves[organ] == typed for organ in burgeon.ORGANS)
    with pytest.raises(KeyError):
        plant.curves["root"]
    with pytest.raises(TypeError):
        del plant.curves["apex"]


def test_a_curve_from_a_fit_draws_as_the_command_lines_growth_option(tmp_path):
    fitted = burgeon.Plant.from_lsystem("LsysExam.Lsys", block=2, seed=1)
    fitted.curves["all"] = burgeon.fit_growth("growth/internode-length.txt")
    direct = burgeon.Plant.from_lsystem(
        "LsysExam.Lsys", block=2, seed=1, growth="growth/internode-length.txt")
    assert (fitted.organs(60) == direct.organs(60)).all()
    assert math.isclose(fitted.curves["apex"].tmid, direct.curves["apex"].tmid)
