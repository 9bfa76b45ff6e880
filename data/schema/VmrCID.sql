-- The call log "VmrCID.mdb": one row per incoming call. The file is kept across runs; the
-- start-up upgrade brings older files to this form.
-- Dates are "yyyy-MM-dd" text, times "HH:mm:ss" text, moments "yyyy-MM-dd HH:mm:ss" text.

CREATE TABLE cid (
    cid_id        INTEGER PRIMARY KEY AUTOINCREMENT,
    time_modified TEXT,
    rDate         TEXT,
    rTime         TEXT,
    ch            INTEGER,
    Tel           VARCHAR(20),
    S_ID          SMALLINT,
    SeqNO         VARCHAR(30),
    cid_kind      INTEGER DEFAULT 0,
    isUsed        BOOLEAN DEFAULT 0,
    Status        VARCHAR(10)
);

CREATE INDEX cid_rDate ON cid (rDate);
CREATE INDEX cid_SeqNO ON cid (SeqNO);

INSERT INTO vmr_fields (table_name, field_name, field_type, field_size, allow_zero_length,
                        unicode_compression, description, default_value) VALUES
    ('cid', 'cid_id',        'AutoNumber', NULL, 0, 0, NULL, NULL),
    ('cid', 'time_modified', 'Date/Time',  NULL, 0, 0, NULL, NULL),
    ('cid', 'rDate',         'Date/Time',  NULL, 0, 0, NULL, NULL),
    ('cid', 'rTime',         'Date/Time',  NULL, 0, 0, NULL, NULL),
    ('cid', 'ch',            'Long',       NULL, 0, 0, NULL, NULL),
    ('cid', 'Tel',           'Text',       20,   1, 1, NULL, NULL),
    ('cid', 'S_ID',          'Integer',    NULL, 0, 0, NULL, NULL),
    ('cid', 'SeqNO',         'Text',       30,   1, 1, 'OpenAPI SeqNO', NULL),
    ('cid', 'cid_kind',      'Long',       NULL, 0, 0, '1 KT, 2 LG', '0'),
    ('cid', 'isUsed',        'Yes/No',     NULL, 0, 0, NULL, '0'),
    ('cid', 'Status',        'Text',       10,   1, 1, NULL, NULL);
