# What the null sink heard after a tap, for tests/speech/run:
#   heard.py RECORDING PIECES TAP_NS          prints "latency_ms length_s rms_db
#                                             voiced_s"
#   heard.py RECORDING PIECES TAP_NS quiet    succeeds once a sound has come
#                                             and the last second was quiet
# RECORDING is 16-bit mono at 44100 Hz; PIECES has "bytes_so_far steady_ns"
# per piece read, which ties bytes to the clock the tap was taken on.
import array
import math
import sys

RATE = 44100
LOUD = 300  # about -40 dBFS: above the null sink's silence, below speech
FRAME = RATE // 100

recording, pieces_file, tap = sys.argv[1], sys.argv[2], int(sys.argv[3])
pieces = [tuple(map(int, line.split())) for line in open(pieces_file) if line.strip()]
samples = array.array('h', open(recording, 'rb').read())


def time_of(index):
    # A piece's last byte arrived when it was read.
    byte = 2 * index
    for total, at in pieces:
        if total > byte:
            return at - (total - byte) * 1e9 / (2 * RATE)
    return pieces[-1][1]


first = next((i for i, (total, at) in enumerate(pieces) if at >= tap), None)
start = 0 if first is None or first == 0 else pieces[first - 1][0] // 2
loud = [i for i in range(start, len(samples)) if abs(samples[i]) > LOUD]
if len(sys.argv) > 4:
    sys.exit(0 if loud and len(samples) - loud[-1] > RATE else 1)
if not loud:
    print(-1, 0, -200, 0)
    sys.exit(0)
begin, end = loud[0], loud[-1]
heard = samples[begin:end + 1]
rms = math.sqrt(sum(s * s for s in heard) / len(heard)) / 32768
# A synthesiser starved of the processor leaves silences in its speech,
# which stretch the length but not the 10 ms frames that were voiced.
voiced = sum(1 for f in range(begin, end + 1, FRAME) if max(map(abs, samples[f:f + FRAME])) > LOUD) / 100
print(round((time_of(begin) - tap) / 1e6), round((end - begin) / RATE, 2), round(20 * math.log10(rms), 1), voiced)
