#!/usr/bin/env python3
"""Reads pupils' worksheets back as a reader of PDF files does (poppler's pdfinfo, pdftotext and
pdfimages): the one `ondivel --worksheet` writes with no display, the one the exercise editor's
"Fiche élève (PDF)…" writes (ondivel-tour, the real PDF writer), and a 50-oscillogram file. Also
the command's refusals: an exercise file it cannot read, a place it cannot write.

usage: read_worksheet.py ONDIVEL ONDIVEL_TOUR SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import tempfile
import time

EXAMPLE = "Exemple 2 - Formes des signaux.ond"


def run(args, env=None):
    return subprocess.run(args, capture_output=True, text=True, env=env)


def headless_env():
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(name, None)
    return env


def pdf_info(path):
    out = run(["pdfinfo", path]).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)", out, re.M).group(1))
    size = re.search(r"^Page size:\s+(.*)$", out, re.M).group(1)
    return pages, size


def pdf_text(path, page=None):
    args = ["pdftotext"]
    if page:
        args += ["-f", str(page), "-l", str(page)]
    out = run(args + [path, "-"]).stdout
    # Blanks aside: pdftotext may join "4 V" into "4V" when the gap is narrow.
    return "".join(out.split())


def contains(text, expected):
    return "".join(expected.split()) in text


def check_example_sheet(path, origin):
    pages, size = pdf_info(path)
    assert pages == 2, (origin, pages)  # four oscillograms, then the answer key
    assert "(A4)" in size, (origin, size)
    images = run(["pdfimages", "-list", path]).stdout.strip().splitlines()
    assert len(images) <= 2, (origin, "raster pictures in a vector worksheet", images)
    first = pdf_text(path, 1)
    for expected in (
        "Nom :", "Prénom :", "Classe :", "Date :",
        "Exemple 2 : première leçon - reconnaître la forme d'un signal",
        "Mesurez la période sur l'écran pour trouver la fréquence : f = 1 / T.",
        "Oscillogramme n° 1", "1. Une tension carrée et une tension continue",
        "4. L'alternateur d'un vélo",
        # 4 V on CH1 and 2 V on CH2 within three and a half divisions; 200 Hz, a period across.
        "Voie CH1 : 2 V/div ; Voie CH2 : 1 V/div", "Base de temps : 0.5 ms/div",
        # 6 V of alternator peak: 2 V/div; 40 Hz: 5 ms/div.
        "Voie CH1 : 2 V/div ; Voie CH2 : 2 V/div", "Base de temps : 5 ms/div",
        "Type de tension", "Tension maximale", "Fréquence", "Page 1 / 2",
    ):
        assert contains(first, expected), (origin, expected, first)
    key = pdf_text(path, 2)
    for expected in (
        "Corrigé",
        "1 carrée 4 V 200 Hz continue 2 V —",
        "2 triangulaire 3 V 500 Hz sinusoïdale 6 V 50 Hz",
        "3 sinusoïdale 10 V 50 Hz carrée 1,5 V 1000 Hz",
        "4 alternateur vélo 6 V 40 Hz continue 0 V —",
        "Page 2 / 2",
    ):
        assert contains(key, expected), (origin, expected, key)


def main():
    program, tour, source = sys.argv[1], sys.argv[2], sys.argv[3]
    example = os.path.join(source, "resources", "exercises", EXAMPLE)
    with tempfile.TemporaryDirectory() as folder:
        env = headless_env()
        env["HOME"] = folder  # nothing of the user's own settings
        out = os.path.join(folder, "fiche.pdf")
        done = run([program, "--worksheet", example, out], env)
        assert done.returncode == 0, (done.returncode, done.stderr)
        check_example_sheet(out, "--worksheet")

        bad = os.path.join(folder, "mauvais.ond")
        with open(bad, "w", encoding="utf-8") as f:
            f.write("'Titre\nsinus/abc/50/CC/0/\n")
        refused = run([program, "--worksheet", bad, os.path.join(folder, "mauvais.pdf")], env)
        assert refused.returncode != 0 and "ligne 2" in refused.stderr, refused
        assert not os.path.exists(os.path.join(folder, "mauvais.pdf"))
        missing = run([program, "--worksheet", os.path.join(folder, "absent.ond"), out], env)
        assert missing.returncode != 0 and "introuvable" in missing.stderr, missing
        unwritable = os.path.join(folder, "absent", "fiche.pdf")
        refused = run([program, "--worksheet", example, unwritable], env)
        assert refused.returncode != 0, refused
        assert "Impossible d'écrire le fichier « %s » : le dossier n'existe pas." % unwritable in refused.stderr, refused

        # Fifty oscillograms: thirteen pages of four, and the key on two pages.
        many = os.path.join(folder, "cinquante.ond")
        with open(many, "w", encoding="utf-8") as f:
            f.write("'Cinquante oscillogrammes\n")
            for i in range(50):
                f.write("'Oscillogramme %d\nsinusoïdale/%d/%d/carrée/2/%d\n" % (i + 1, 1 + i % 9, 50 * (i + 1), 1000 + i))
        start = time.monotonic()
        done = run([program, "--worksheet", many, out], env)
        elapsed = time.monotonic() - start
        assert done.returncode == 0, done.stderr
        assert pdf_info(out)[0] == 15
        assert contains(pdf_text(out, 13), "Oscillogramme n° 50")
        assert contains(pdf_text(out, 15), "50 sinusoïdale 5 V 2500 Hz carrée 2 V 1049 Hz")
        print("50 oscillograms: %.2f s for the whole command" % elapsed)

        # The editor's button, on the real windows and the real PDF writer.
        sheet = os.path.join(folder, "editeur.pdf")
        with open(os.path.join(source, "tests", "worksheet", "editor_worksheet.scn"), encoding="utf-8") as f:
            text = f.read().replace("@PDF@", sheet).replace("@EXAMPLE@", example)
        scenario = os.path.join(folder, "editor_worksheet.scn")
        with open(scenario, "w", encoding="utf-8") as f:
            f.write(text)
        tour_env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        shown = run([tour, "--out", folder, scenario], tour_env)
        assert shown.returncode == 0, shown.stdout + shown.stderr
        check_example_sheet(sheet, "cmdFiche")
    print("worksheets read back")


if __name__ == "__main__":
    main()
