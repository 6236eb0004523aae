#include "core/midi/midi.h"

#include "child_scenario.h"

#include <QTest>

#include <new>
#include <vector>

using namespace Core;

namespace {

MidiEvent At(double seconds, unsigned int pulses = 0)
{
    return MidiEvent(MidiMessage(NoteOn, 0, 60, 100), pulses, seconds);
}

// Each scenario breaks one precondition and must not return.
void RunScenario(const char* name)
{
    const QByteArray scenario(name);
    const unsigned char programChange[] = {0xC0, 0x05};
    if (scenario == "byte-past-length")
        MidiMessage(programChange, 2).GetByte(2);
    else if (scenario == "empty-raw")
        MidiMessage(programChange, 0);
    else if (scenario == "channel-of-meta")
        MidiMessage(0xF8, 0, 0).GetChannel();
    else if (scenario == "note-of-control-change")
        MidiMessage(ControlChange, 0, 7, 100).GetNote();
    else if (scenario == "velocity-of-aftertouch")
        MidiMessage(Aftertouch, 0, 60, 10).GetVelocity();
    else if (scenario == "pressure-of-note-on")
        MidiMessage(NoteOn, 0, 60, 10).GetPressure();
    else if (scenario == "key-120")
        MidiKeyboardState().SetKey(120, 1);
}

} // namespace

class TestMidiValues : public QObject
{
    Q_OBJECT

private slots:
    void constructorsSetBytesAndLength()
    {
        const MidiMessage empty;
        QCOMPARE(int(empty.GetLength()), 0);

        const MidiMessage middleC(NoteOn, 0, 60, 100);
        QCOMPARE(int(middleC.GetLength()), 3);
        QCOMPARE(int(middleC.GetRawData()[0]), 0x90);
        QCOMPARE(int(middleC.GetRawData()[1]), 0x3C);
        QCOMPARE(int(middleC.GetRawData()[2]), 0x64);

        const MidiMessage oneByte(ChannelPressure, 5);
        QCOMPARE(int(oneByte.GetLength()), 1);
        QCOMPARE(int(oneByte.GetByte(0)), 0xD5);

        const MidiMessage twoBytes(ProgramChange, 15, 42);
        QCOMPARE(int(twoBytes.GetLength()), 2);
        QCOMPARE(int(twoBytes.GetByte(0)), 0xCF);
        QCOMPARE(int(twoBytes.GetByte(1)), 42);

        const MidiMessage raw(0xB3, 7, 127);
        QCOMPARE(raw.GetCommand(), ControlChange);
        QCOMPARE(int(raw.GetChannel()), 3);
    }

    void notePredicates()
    {
        const MidiMessage silent(NoteOn, 0, 64, 0);
        QVERIFY(silent.IsNoteOn());
        QVERIFY(!silent.IsNoteAudible());
        QCOMPARE(int(silent.GetVelocity()), 0);

        const MidiMessage loud(NoteOn, 9, 64, 1);
        QVERIFY(loud.IsNoteAudible());
        QCOMPARE(int(loud.GetChannel()), 9);

        const MidiMessage off(NoteOff, 0, 64, 40);
        QVERIFY(off.IsNoteOff());
        QVERIFY(!off.IsNoteOn());
        QVERIFY(!off.IsNoteAudible());
        QCOMPARE(int(off.GetVelocity()), 40);

        MidiMessage changed(NoteOn, 0, 64, 90);
        changed.SetVelocity(12);
        QCOMPARE(int(changed.GetVelocity()), 12);
        QCOMPARE(int(changed.GetNote()), 64);

        QVERIFY(MidiMessage(PitchBend, 0, 0, 64).IsPitchBend());
    }

    void systemMessagesAreMeta()
    {
        const MidiMessage clock(0xF8, 0, 0);
        QVERIFY(clock.IsMeta());
        QVERIFY(!clock.IsStandardMessage());
        QCOMPARE(clock.GetCommand(), Meta);
        const MidiMessage noteOn(NoteOn, 0, 60, 1);
        QVERIFY(noteOn.IsStandardMessage());
    }

    void pressure()
    {
        QCOMPARE(int(MidiMessage(0xA1, 0x40, 0x55).GetPressure()), 0x55);
        const unsigned char channelPressure[] = {0xD1, 0x30};
        const MidiMessage message(channelPressure, 2);
        QVERIFY(message.IsChannelPressure());
        QCOMPARE(int(message.GetPressure()), 0x30);
    }

    void rawBytes()
    {
        const unsigned char programChange[] = {0xC0, 0x05};
        const MidiMessage message(programChange, 2);
        QCOMPARE(int(message.GetLength()), 2);
        QCOMPARE(int(message.GetByte(1)), 5);

        const unsigned char status[] = {0xFE};
        QCOMPARE(int(MidiMessage(status, 1).GetLength()), 1);
    }

    // System exclusive input must never be read or written past the three held bytes.
    void longInputKeepsThreeBytes()
    {
        std::vector<unsigned char> sysex(1000, 0x11);
        sysex.front() = 0xF0;
        sysex[1] = 0x7E;
        sysex[2] = 0x7F;
        sysex.back() = 0xF7;
        // Guard bytes around the message object show that nothing is written beyond it.
        struct Guarded
        {
            unsigned char before[16];
            MidiMessage message;
            unsigned char after[16];
        } guarded;
        std::fill(std::begin(guarded.before), std::end(guarded.before), 0xAB);
        std::fill(std::begin(guarded.after), std::end(guarded.after), 0xCD);
        // Built in place, so that any write past the three bytes would land on the guards.
        new (&guarded.message) MidiMessage(sysex.data(), sysex.size());

        QCOMPARE(int(guarded.message.GetLength()), 3);
        QCOMPARE(int(guarded.message.GetByte(0)), 0xF0);
        QCOMPARE(int(guarded.message.GetByte(1)), 0x7E);
        QCOMPARE(int(guarded.message.GetByte(2)), 0x7F);
        QVERIFY(guarded.message.IsMeta());
        for (unsigned char b : guarded.before)
            QCOMPARE(int(b), 0xAB);
        for (unsigned char b : guarded.after)
            QCOMPARE(int(b), 0xCD);
        QCOMPARE(sizeof(MidiMessage), std::size_t(4));
    }

    void eventFields()
    {
        const MidiEvent empty;
        QCOMPARE(int(empty.GetMessage().GetLength()), 0);
        QCOMPARE(empty.GetTime(), 0.0);
        QCOMPARE(empty.GetTimePulses(), 0u);

        const MidiEvent event(MidiMessage(NoteOff, 1, 61, 0), 4000000000u, 12.5);
        QCOMPARE(event.GetTimePulses(), 4000000000u);
        QCOMPARE(event.GetTime(), 12.5);
        QCOMPARE(int(event.GetMessage().GetNote()), 61);
    }

    void streamDurationTrustsOrder()
    {
        MidiStream stream;
        QCOMPARE(stream.GetDurationPulses(), 0u);
        stream.AddEvent(At(0.0, 960));
        stream.AddEvent(At(1.0, 480));
        QCOMPARE(stream.GetDurationPulses(), 480u);
    }

    void streamEditing()
    {
        MidiStream stream;
        stream.AddEvent(At(0.0, 1));
        stream.AddEvent(At(2.0, 3));
        stream.InsertEvent(1, At(1.0, 2));
        QCOMPARE(stream.GetEvents().size(), 3);
        QCOMPARE(stream.GetEvents().at(1).GetTimePulses(), 2u);
        stream.ReplaceEvent(0, At(0.5, 9));
        QCOMPARE(stream.GetEvents().at(0).GetTimePulses(), 9u);
        stream.InsertEvent(3, At(3.0, 4)); // at the end
        QCOMPARE(stream.GetDurationPulses(), 4u);

        // A copy is independent of later changes to either side.
        MidiStream copy;
        copy.CopyFrom(stream);
        stream.ReplaceEvent(0, At(0.0, 77));
        copy.AddEvent(At(9.0, 99));
        QCOMPARE(copy.GetEvents().at(0).GetTimePulses(), 9u);
        QCOMPARE(copy.GetEvents().size(), 5);
        QCOMPARE(stream.GetEvents().size(), 4);
        QCOMPARE(stream.GetEvents().at(0).GetTimePulses(), 77u);

        stream.Clear();
        QVERIFY(stream.GetEvents().isEmpty());
        QCOMPARE(stream.GetDurationPulses(), 0u);
    }

    void normalizeSortsBySeconds()
    {
        MidiStream stream;
        stream.AddEvent(At(0.5, 1));
        stream.AddEvent(At(0.0, 2));
        stream.AddEvent(At(0.25, 3));
        stream.Normalize();
        QCOMPARE(stream.GetEvents().at(0).GetTime(), 0.0);
        QCOMPARE(stream.GetEvents().at(1).GetTime(), 0.25);
        QCOMPARE(stream.GetEvents().at(2).GetTime(), 0.5);
        // Pulses do not take part in the order.
        QCOMPARE(stream.GetEvents().at(0).GetTimePulses(), 2u);

        MidiStream empty;
        empty.Normalize();
        QVERIFY(empty.GetEvents().isEmpty());
    }

    void chromaticKeys()
    {
        QVERIFY(!IsMidiChromatic(21));
        QVERIFY(IsMidiChromatic(22));
        QVERIFY(IsMidiChromatic(61));
        QVERIFY(!IsMidiChromatic(60));
        QVERIFY(!IsMidiChromatic(108));
        int black = 0;
        for (int note = 21; note <= 108; ++note)
            black += IsMidiChromatic(static_cast<unsigned char>(note)) ? 1 : 0;
        QCOMPARE(black, 36); // an 88-key piano has 36 black keys
    }

    void keyboardState()
    {
        MidiKeyboardState state;
        for (std::size_t key = 0; key < MidiKeyCount; ++key)
            QCOMPARE(int(state.GetKey(key)), 0);
        state.SetKey(0, 1);
        state.SetKey(119, 127);
        QCOMPARE(int(state.GetRaw()[119]), 127);
        QCOMPARE(int(state.GetKey(0)), 1);
        state.Clear();
        QCOMPARE(int(state.GetKey(119)), 0);
    }

    void brokenPreconditionsStopWithAReport_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("function");
        QTest::newRow("byte past length") << "byte-past-length" << "index < Length" << "GetByte";
        QTest::newRow("empty raw message") << "empty-raw" << "size > 0" << "MidiMessage";
        QTest::newRow("channel of meta") << "channel-of-meta" << "!IsMeta()" << "GetChannel";
        QTest::newRow("note of control change")
            << "note-of-control-change" << "IsNoteOn() || IsNoteOff() || IsAftertouch()" << "GetNote";
        QTest::newRow("velocity of aftertouch")
            << "velocity-of-aftertouch" << "IsNoteOn() || IsNoteOff()" << "GetVelocity";
        QTest::newRow("pressure of note on") << "pressure-of-note-on" << "false" << "GetPressure";
        QTest::newRow("key 120") << "key-120" << "index < MidiKeyCount" << "SetKey";
    }

    void brokenPreconditionsStopWithAReport()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, expression);
        QFETCH(QString, function);
        const ChildOutcome outcome = RunChildScenario(scenario);
        QVERIFY(outcome.finished);
        QVERIFY2(outcome.crashed, qPrintable("not aborted: " + outcome.errorOutput));
        QVERIFY2(outcome.errorOutput.contains('"' + expression + '"'), qPrintable(outcome.errorOutput));
        QVERIFY2(outcome.errorOutput.contains(" " + function + " "), qPrintable(outcome.errorOutput));
        QVERIFY2(outcome.errorOutput.contains("(src/core/midi/midi)"), qPrintable(outcome.errorOutput));
    }
};

TEST_MAIN_WITH_SCENARIOS(TestMidiValues, RunScenario)

#include "tst_midi_values.moc"
