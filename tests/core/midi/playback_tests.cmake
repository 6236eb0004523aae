# tests of devices, players, connector and listener
