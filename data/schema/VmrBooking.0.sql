-- The empty template of the reservation cache "VmrBooking.mdb", copied over the cache at every
-- start and filled from the backend. Dates are "yyyy-MM-dd" text, moments "yyyy-MM-dd HH:mm" text.
-- The columns the loaders never write carry the defaults every cached row gets; cKindT's default
-- "미등록" makes every cached phone an unregistered caller of the statistics.

CREATE TABLE 예약 (
    NUM         INTEGER,
    방문일      TEXT,
    cPhoneT     VARCHAR(50),
    접수일시    VARCHAR(16),
    예약일시    VARCHAR(16),
    종료일시    VARCHAR(19),
    예약자      VARCHAR(50),
    모임명      VARCHAR(100),
    좌석        VARCHAR(255),
    인원        VARCHAR(50),
    인원N       INTEGER DEFAULT 0,
    요청사항    TEXT,
    cNameT      VARCHAR(50) DEFAULT '',
    최초방문일  VARCHAR(10) DEFAULT '',
    총방문수    INTEGER DEFAULT 0,
    cKindT      VARCHAR(20) DEFAULT '미등록',
    cNum        VARCHAR(20) DEFAULT '',
    cLevelT     VARCHAR(20) DEFAULT '',
    cSexT       VARCHAR(10) DEFAULT '',
    cAgeT       VARCHAR(10) DEFAULT '',
    cBirthdayT  VARCHAR(20) DEFAULT '',
    cMemoT      TEXT DEFAULT ''
);

CREATE INDEX 예약_NUM ON 예약 (NUM);
CREATE INDEX 예약_방문일 ON 예약 (방문일);
CREATE INDEX 예약_cPhoneT ON 예약 (cPhoneT);

INSERT INTO vmr_fields (table_name, field_name, field_type, field_size, allow_zero_length,
                        unicode_compression, description, default_value) VALUES
    ('예약', 'NUM',        'Long',      NULL, 0, 0, NULL, NULL),
    ('예약', '방문일',     'Date/Time', NULL, 0, 0, NULL, NULL),
    ('예약', 'cPhoneT',    'Text',      50,   1, 1, NULL, NULL),
    ('예약', '접수일시',   'Text',      16,   1, 1, NULL, NULL),
    ('예약', '예약일시',   'Text',      16,   1, 1, NULL, NULL),
    ('예약', '종료일시',   'Text',      19,   1, 1, '종료일시', NULL),
    ('예약', '예약자',     'Text',      50,   1, 1, NULL, NULL),
    ('예약', '모임명',     'Text',      100,  1, 1, NULL, NULL),
    ('예약', '좌석',       'Text',      255,  1, 1, NULL, NULL),
    ('예약', '인원',       'Text',      50,   1, 1, NULL, NULL),
    ('예약', '인원N',      'Long',      NULL, 0, 0, NULL, '0'),
    ('예약', '요청사항',   'Memo',      NULL, 1, 1, NULL, NULL),
    ('예약', 'cNameT',     'Text',      50,   1, 1, NULL, ''),
    ('예약', '최초방문일', 'Text',      10,   1, 1, NULL, ''),
    ('예약', '총방문수',   'Long',      NULL, 0, 0, NULL, '0'),
    ('예약', 'cKindT',     'Text',      20,   1, 1, NULL, '미등록'),
    ('예약', 'cNum',       'Text',      20,   1, 1, NULL, ''),
    ('예약', 'cLevelT',    'Text',      20,   1, 1, NULL, ''),
    ('예약', 'cSexT',      'Text',      10,   1, 1, NULL, ''),
    ('예약', 'cAgeT',      'Text',      10,   1, 1, NULL, ''),
    ('예약', 'cBirthdayT', 'Text',      20,   1, 1, NULL, ''),
    ('예약', 'cMemoT',     'Memo',      NULL, 1, 1, NULL, '');
