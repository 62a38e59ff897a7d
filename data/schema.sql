-- Tables of the data source vomar. The same text loads into SQLite (the
-- embedded data source) and PostgreSQL (a school's server), so it keeps to
-- what both accept: VARCHAR (never CHAR, which PostgreSQL pads with blanks),
-- NUMERIC, PRIMARY KEY. It creates the tables only: no rows.

-- The chosen test items of each school year, one row per year code.
CREATE TABLE xmsz (
    nj VARCHAR(2) NOT NULL PRIMARY KEY,
    xm_z_m VARCHAR(1),
    xm_5_m VARCHAR(1),
    xm_l_m VARCHAR(1),
    xm_t_m VARCHAR(1),
    xm_58_m VARCHAR(1),
    xm_w_m VARCHAR(1),
    xm_1_m VARCHAR(1),
    xm_8_w VARCHAR(1),
    xm_z_w VARCHAR(1),
    xm_5_w VARCHAR(1),
    xm_l_w VARCHAR(1),
    xm_t_w VARCHAR(50),
    xm_58_w VARCHAR(1),
    xm_w_w VARCHAR(1),
    xm_y_w VARCHAR(1)
);

-- Height-weight standard tables, boys and girls: one row per whole
-- centimetre s, with the four weight bounds z1 < z2 < z3 < z4 in kg.
CREATE TABLE cz123_m (
    s NUMERIC NOT NULL PRIMARY KEY,
    z1 NUMERIC NOT NULL,
    z2 NUMERIC NOT NULL,
    z3 NUMERIC NOT NULL,
    z4 NUMERIC NOT NULL
);

CREATE TABLE cz123_w (
    s NUMERIC NOT NULL PRIMARY KEY,
    z1 NUMERIC NOT NULL,
    z2 NUMERIC NOT NULL,
    z3 NUMERIC NOT NULL,
    z4 NUMERIC NOT NULL
);
