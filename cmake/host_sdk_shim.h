/* Included ahead of the host's own SDK headers when a compiler other than
 * the host's reads them: the headers use these two classes after naming them
 * only as friends, which the host's compiler accepts and others do not. */
class ATMOSPHERE;
class Instrument_User;
