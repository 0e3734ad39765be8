#!/usr/bin/env python3
"""Packs the game's files into one file the page fetches at once, with its index.

usage: pack_game_files.py PACK INDEX NAME=PATH...

The page then asks the server for two files instead of some three hundred and forty, which
on a busy machine is most of its start-up. The wave files go in as MP3, which every current
browser decodes, at a tenth of their weight: the index gives each its wave's length and
rate, how many decoded samples lead in before the sound and how many of silence follow it,
and the page makes the wave again from what the browser decodes.
"""
import json
import os
import subprocess
import sys
import tempfile
import wave

# Variable bit rate about 48 kbit/s: small, and it leaves room in the first frame for the
# LAME tag, which tells the decoders how many samples lead in and trail after the sound.
MP3_QUALITY = '7'
# What a decoder puts before the first sample beside the encoder's own delay.
DECODER_DELAY = 529
# Silence after each sound, two frames of MPEG-2 audio: a decoder that drops the last samples
# (Firefox drops up to 43 ms) takes them from here, not from the sound.
TAIL = 1152


def lame_delay(mp3):
    """The encoder's delay, from the LAME tag in the first frame."""
    tag = mp3.find(b'LAME', 0, 1024)
    if tag < 0:
        raise ValueError('no LAME tag')
    field = mp3[tag + 21:tag + 24]
    return (field[0] << 4) | (field[1] >> 4)


def encoded_sound(path):
    with wave.open(path, 'rb') as source:
        if source.getnchannels() != 1 or source.getsampwidth() != 2:
            raise ValueError(path + ': the page takes 16-bit mono waves')
        frames, rate = source.getnframes(), source.getframerate()
        samples = source.readframes(frames)
    with tempfile.TemporaryDirectory() as folder:
        padded, target = os.path.join(folder, 'sound.wav'), os.path.join(folder, 'sound.mp3')
        with wave.open(padded, 'wb') as copy:
            copy.setnchannels(1)
            copy.setsampwidth(2)
            copy.setframerate(rate)
            copy.writeframes(samples + bytes(2 * TAIL))
        subprocess.run(['lame', '--quiet', '--noreplaygain', '-m', 'm', '-V', MP3_QUALITY, padded, target],
                       check=True)
        with open(target, 'rb') as file:
            data = file.read()
    return data, {'frames': frames, 'rate': rate, 'lead': lame_delay(data) + DECODER_DELAY, 'tail': TAIL}


def main():
    pack_path, index_path, pairs = sys.argv[1], sys.argv[2], sys.argv[3:]
    index, offset = [], 0
    with open(pack_path, 'wb') as pack:
        for pair in pairs:
            name, path = pair.split('=', 1)
            entry = {'name': name}
            if name.endswith('.wav'):
                data, entry['sound'] = encoded_sound(path)
            else:
                with open(path, 'rb') as file:
                    data = file.read()
            pack.write(data)
            entry.update(offset=offset, size=len(data))
            index.append(entry)
            offset += len(data)
    with open(index_path, 'w') as file:
        json.dump(index, file, separators=(',', ':'))
        file.write('\n')


if __name__ == '__main__':
    main()
