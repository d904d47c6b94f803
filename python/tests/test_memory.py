"""Pictures in a loop keep the process's memory where it was after the first hundred."""

import burgeon


def resident_kilobytes():
    with open("/proc/self/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise AssertionError("no VmRSS in /proc/self/status")


def test_a_thousand_pictures_leave_the_memory_as_it_was():
    plant = burgeon.open_session("sessions/1-soybean.burgeon", seed=1)
    for count in range(1000):
        picture = plant.render(40 + count % 50, size=(160, 120))
        table = plant.organs(40 + count % 50)
        assert picture.shape == (120, 160, 3) and len(table) > 0
        if count == 99:
            after_hundred = resident_kilobytes()
    after_thousand = resident_kilobytes()
    assert after_thousand <= after_hundred * 1.10, (after_hundred, after_thousand)
