# tests of ports, synthesizer, device manager and notifications (JACK)
