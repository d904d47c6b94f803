"""The growth study notebook runs from top to bottom without errors, headless."""

import nbclient
import nbformat

from conftest import SOURCE


def test_the_growth_study_notebook_runs(tmp_path, monkeypatch):
    monkeypatch.setenv("GROWTH_STUDY_OUTPUT", str(tmp_path))
    monkeypatch.setenv("PYDEVD_DISABLE_FILE_VALIDATION", "1")
    # The kernel draws figures inline, as in a notebook, not with a headless backend.
    monkeypatch.delenv("MPLBACKEND", raising=False)
    notebook = nbformat.read(SOURCE / "examples" / "notebooks" / "growth-study.ipynb", as_version=4)
    client = nbclient.NotebookClient(
        notebook, timeout=600, kernel_name="python3",
        resources={"metadata": {"path": str(SOURCE / "examples" / "notebooks")}})
    client.execute()
    outputs = [output for cell in notebook.cells if cell.cell_type == "code"
               for output in cell.get("outputs", [])]
    assert not [output for output in outputs if output.get("output_type") == "error"]
    assert sum("image/png" in output.get("data", {}) for output in outputs) == 5
    assert sorted(path.name for path in tmp_path.iterdir()) == ["soybean-growing.glb", "soybean.glb"]
