#!/usr/bin/python3
"""A blind user's way through the desktop program, heard through Orca.

Orca, the screen reader of Linux desktops, runs with speech-dispatcher on
the private display, buses and home of keys_only_flow.py. Speech goes to a
file, not to a sound device: speech-dispatcher's generic module appends each
text Orca speaks to it. Keys go through the X server. Each step waits (by
polling, within a bound) until Orca has said what a sighted user sees:

  start with the virtual radio; Tool > Read > ALL: the result is said;
  Go To A12 from the tab strip: the channel is said, and Enter opens it;
  the edit dialog names the channel; a new frequency and name, OK: the
  grid says the row; Tool > Write > Changes: the question is read, OK,
  the result is said; two settings lists: their values are said, also
  after Down; Find a name: the row is said; Save As; Ctrl+Q.

    /usr/bin/python3 tests/accessibility/orca_walk.py BUILD_DIR

Needs what keys_only_flow.py needs, and orca and speech-dispatcher. Exits 0
when every step passed, 1 naming the step that failed and what Orca said.
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import keys_only_flow as flow  # noqa: E402

TITLE = flow.TITLE
WHOLE_RUN_S = 240
STEP_S = 20
NEW_FREQUENCY = "14.123.456"
NEW_NAME = "ORCA"


class Ears:
    """What Orca said, from the speech file, since the last step heard."""

    def __init__(self, path):
        self.path = path
        self.mark = 0

    def said(self):
        with open(self.path, errors="replace") as spoken:
            return spoken.read()

    def hear(self, step, pattern, seconds=STEP_S):
        """Waits until Orca has said `pattern` (a regular expression) since
        the last step; the text heard up to it is the step's."""
        deadline = time.monotonic() + seconds
        wanted = re.compile(pattern, re.S)
        while True:
            text = self.said()
            found = wanted.search(text, self.mark)
            if found:
                heard = text[self.mark:found.end()]
                self.mark = found.end()
                print(f"  {step}: {' / '.join(l.strip() for l in heard.splitlines() if l.strip())}", flush=True)
                return heard
            if time.monotonic() > deadline:
                recent = " / ".join(l.strip() for l in text[self.mark:].splitlines() if l.strip())
                raise flow.StepFailed(f"{step}: Orca did not say {pattern!r}; it said: {recent[-600:]!r}")
            time.sleep(0.1)

    def skip(self):
        self.mark = len(self.said())


def alt(letter):
    """Alt+letter as a hand types it: Orca takes a quick "alt+t" for itself."""
    for action in (["keydown", "alt"], ["key", letter], ["keyup", "alt"]):
        subprocess.run(["xdotool"] + action, check=True)
        time.sleep(0.08)


class Walk:
    def __init__(self, build):
        self.build = os.path.abspath(build)
        self.clone = flow.find_program(self.build, "qtr70-clone", "src/shell")
        self.sim = flow.find_program(self.build, "qtr70-sim", "tools/sim")
        self.cli = flow.find_program(self.build, "qtr70", "tools/cli")
        for tool in ("orca", "speech-dispatcher"):
            if shutil.which(tool) is None:
                raise flow.StepFailed(f"starting: missing {tool} (Debian's orca and speech-dispatcher)")
        self.desk = flow.Desk()

    def prepare_speech(self):
        """speech-dispatcher writes what Orca says to a file: no sound device
        (ALSA's null device), a generic module whose command appends the text."""
        home = self.desk.env["HOME"]
        self.speech = os.path.join(self.desk.folder, "speech.txt")
        open(self.speech, "w").close()
        with open(os.path.join(home, ".asoundrc"), "w") as sound:
            sound.write("pcm.!default { type null }\nctl.!default { type null }\n")
        config = os.path.join(home, ".config", "speech-dispatcher")
        os.makedirs(os.path.join(config, "modules"))
        with open(os.path.join(config, "speechd.conf"), "w") as conf:
            conf.write('AddModule "capture" "sd_generic" "capture.conf"\n'
                       'DefaultModule capture\n'
                       'LanguageDefaultModule "en" "capture"\n'
                       'AudioOutputMethod "alsa"\n')
        with open(os.path.join(config, "modules", "capture.conf"), "w") as module:
            module.write(f'GenericExecuteSynth "printf \'%s\\\\n\' \\\'$DATA\\\' >> {self.speech}"\n'
                         'AddVoice "en" "MALE1" "capture"\n'
                         'GenericLanguage "en" "en" "utf-8"\n')

    def run(self):
        started = time.monotonic()
        self.desk.open()
        self.prepare_speech()
        ears = self.ears = Ears(self.speech)
        self.desk.start("orca", ["orca", "--replace"])
        ears.hear("Orca starts", r"Screen reader on", 60)

        radio = self.desk.start("qtr70-sim", [self.sim], stdout=subprocess.PIPE)
        terminal = re.search(rb"/dev/pts/\d+", radio.stdout.readline())
        if not terminal:
            raise flow.StepFailed("starting the virtual radio: it named no terminal")
        self.desk.env["QTR70_COM1"] = terminal.group().decode()
        work = self.desk.folder
        program = os.path.join(work, "qtr70-clone")
        shutil.copy(self.clone, program)
        app = self.desk.start("qtr70-clone", [program], cwd=work)
        ears.hear("start", rf"{TITLE} frame.*Settings page tab", 30)

        alt("t")
        ears.hear("Tool", r"Read\(R\)")
        flow.keys("r", "a")
        ears.hear("Read > ALL", r"Memory page tab")
        ears.hear("the read's end", r"notification Read settings and 604 channels in [\d.]+ s", 60)

        # From the tab strip, where the read left the keyboard.
        flow.keys("ctrl+g")
        ears.hear("Go To", r"Go To dialog.*Channel \(155, A12, B-P2\): text")
        flow.type_text("A12")
        flow.keys("Return")
        ears.hear("Go To A12", r"A 12, empty")
        flow.keys("Return")
        ears.hear("Enter on A12", r"Modify +dialog Memory A, 12CH.*Frequency, MHz text")
        typing = ears.mark
        flow.type_text(NEW_FREQUENCY.replace(".", ""))
        ears.hear("typing the frequency", r"Frequency, Hz text")
        flow.keys("Tab")
        ears.hear("Tab", r"OK push button")
        flow.keys("Tab")
        ears.hear("Tab to the name", r"Name text")
        flow.type_text(NEW_NAME)
        flow.keys("Return")
        ears.hear("OK", rf"A 12, {re.escape(NEW_FREQUENCY)}")
        self.no_noise("the edit dialog", typing)

        alt("t")
        ears.hear("Tool", r"Read\(R\)")
        flow.keys("w", "c")
        ears.hear("Write Changes' question", r"Write Changes dialog The radio \(QT-R70E\) holds 1 record that writing"
                  r".*Write this change to the radio\?.*Cancel push button", 60)
        flow.keys("shift+Tab")
        ears.hear("Shift+Tab", r"OK push button")
        flow.keys("space")
        ears.hear("Write Changes' end", r"notification Wrote slot 212", 60)

        flow.keys("ctrl+Tab")
        ears.hear("Ctrl+Tab", r"Settings page tab")
        flow.keys("Tab")
        ears.hear("Tab", r"Model.*QT-R70E.*selected radio button")
        flow.keys("Tab")
        ears.hear("Tab", r"Auto Select push button")
        flow.keys("Tab")
        ears.hear("Tab to SSB Step", r"SSB Step combo box.\s*100Hz")
        flow.keys("Down")
        ears.hear("Down", r"notification 500Hz")
        flow.keys("Tab")
        ears.hear("Tab to AM Step", r"AM Step combo box.\s*1\.0KHz")
        flow.keys("Down")
        ears.hear("Down", r"notification 2\.5KHz")

        flow.keys("ctrl+Tab")
        ears.hear("Ctrl+Tab", r"Memory page tab")
        flow.keys("ctrl+f")
        ears.hear("Find", r"text")
        flow.type_text("QRP")
        flow.keys("Return")
        ears.hear("Find QRP", r"2, 10\.116\.000")

        saved = os.path.join(work, "heard.R70")
        flow.keys("ctrl+shift+s")
        ears.hear("Save As", r"Save As dialog.*File name: text")
        flow.keys("ctrl+a")
        flow.type_text(saved)
        ears.skip()
        flow.keys("Return")
        ears.hear("saved", r"heard\.R70 - " + re.escape(TITLE))
        flow.keys("ctrl+q")
        try:
            app.wait(timeout=STEP_S)
        except subprocess.TimeoutExpired:
            raise flow.StepFailed("Ctrl+Q: the program is still running")

        shown = subprocess.run([self.cli, "show", saved], capture_output=True, text=True)
        row = next((l for l in shown.stdout.splitlines() if re.match(r"\s*A 12\s", l)), "")
        if NEW_FREQUENCY not in row or NEW_NAME not in row or not re.search(r"SSB Step\s+500Hz", shown.stdout):
            raise flow.StepFailed(f"the saved file: 'qtr70 show' says {row.strip()!r} for A 12")
        print(f"Orca walk passed in {time.monotonic() - started:.1f} s")

    def no_noise(self, step, since):
        """Typing into the frequency boxes is not accompanied by selection talk."""
        said = self.ears.said()[since:self.ears.mark]
        for noise in ("Selection deleted", "selected."):
            if noise in said:
                raise flow.StepFailed(f"{step}: Orca said {noise!r} while the frequency was typed")


if __name__ == "__main__":
    sys.exit(flow.run_from_command_line("orca_walk.py", Walk, WHOLE_RUN_S))
